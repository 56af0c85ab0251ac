#include "TextLimitValidator.h"

#include <string_view>

#include "TextLimit.h"

TextLimitValidator::TextLimitValidator(int limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State TextLimitValidator::validate(QString& input, int& /*pos*/) const {
  const auto view = [](const QString& text) {
    return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
  };
  // The shown text, and what deleting from it leaves, must not count as
  // invalid: the line edit would then stop undoing the keys that break the
  // rules.
  switch (korvale::JudgeLimitedText(view(input), limit_, view(shown_))) {
    case korvale::LimitedText::Fits: return Acceptable;
    case korvale::LimitedText::AsShown: return Intermediate;
    case korvale::LimitedText::Refused: break;
  }
  return Invalid;
}
