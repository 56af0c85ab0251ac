#include "TextLimitValidator.h"

#include <algorithm>

#include "FileText.h"

TextLimitValidator::TextLimitValidator(int limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

QValidator::State TextLimitValidator::validate(QString& input, int& /*pos*/) const {
  if (limit_ > 0 && input.size() > limit_) return Invalid;
  return std::all_of(input.begin(), input.end(), IsAcceptedCharacter) ? Acceptable : Invalid;
}
