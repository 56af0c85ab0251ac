#include "TextLimitValidator.h"

#include <algorithm>

#include "Windows1252.h"

TextLimitValidator::TextLimitValidator(int limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State TextLimitValidator::validate(QString& input, int& /*pos*/) const {
  const bool fits = (limit_ <= 0 || input.size() <= limit_) &&
                    std::all_of(input.begin(), input.end(), [](QChar c) {
                      return !c.isSurrogate() && korvale::IsAcceptedTextCharacter(c.unicode());
                    });
  if (fits) return Acceptable;
  // The shown text itself must not count as invalid: the line edit would
  // then stop undoing the keys that break the rules.
  return input == shown_ ? Intermediate : Invalid;
}
