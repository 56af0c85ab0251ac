#include "StoredForms.h"

#include <algorithm>
#include <limits>

namespace korvale {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::int32_t ReadNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(kLimit, magnitude * 10 + (text[i] - '0'));
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::string_view TrimTrailing(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string DecimalText(std::int64_t value) { return std::to_string(value); }

std::string EncodeText(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string EncodeNumber(std::int64_t value, std::size_t width) {
  std::string digits = DecimalText(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
  return digits;
}

std::string EncodeZeroFilled(std::int64_t value) {
  std::string digits = DecimalText(value);
  if (digits.size() == 1) digits.insert(0, 1, '0');
  return digits;
}

std::string EncodeDigit(std::int64_t value) { return DecimalText(value).substr(0, 1); }

std::string EncodeLetter(std::int64_t index) {
  return std::string(1, static_cast<char>('A' + index));
}

std::string EncodeFlag(bool value) { return value ? "T" : "F"; }

bool DecodeFlag(std::string_view text) { return text == "T"; }

std::optional<int> DecodeLetter(std::string_view text, int count) {
  if (text.size() != 1 || text[0] < 'A' || text[0] >= 'A' + count) return std::nullopt;
  return text[0] - 'A';
}

std::string EncodeValue(const FieldDescriptor& field, std::int64_t value) {
  switch (field.form) {
    case StoredForm::Number: return EncodeNumber(value, field.writeWidth);
    case StoredForm::ZeroFilled: return EncodeZeroFilled(value);
    case StoredForm::Digit: return EncodeDigit(value);
    case StoredForm::Letter: return EncodeLetter(value);
    case StoredForm::Flag: return EncodeFlag(value != 0);
    case StoredForm::Text: break;
  }
  return EncodeText(DecimalText(value), field.writeWidth);
}

}  // namespace korvale
