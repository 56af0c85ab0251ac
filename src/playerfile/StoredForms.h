#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace korvale {

// The standard number reading of a field text: leading white space skipped,
// one optional sign, then decimal digits up to the first other character;
// no digits give 0. Results beyond 32 bits are clamped to the nearest bound.
[[nodiscard]] std::int32_t ReadNumber(std::string_view text);

// White space as the C library's isspace() sees it in the "C" locale.
[[nodiscard]] bool IsWhiteSpace(char c);

// The text without its trailing white space; leading spaces stay.
[[nodiscard]] std::string_view TrimTrailing(std::string_view text);

// Decimal text of the value, as "%d" formats it.
[[nodiscard]] std::string DecimalText(std::int64_t value);

// Stored forms. Each encoder gives the exact bytes the editor writes.
[[nodiscard]] std::string EncodeText(std::string_view text, std::size_t width);
[[nodiscard]] std::string EncodeNumber(std::int64_t value, std::size_t width);
[[nodiscard]] std::string EncodeZeroFilled(std::int64_t value);
[[nodiscard]] std::string EncodeDigit(std::int64_t value);
[[nodiscard]] std::string EncodeLetter(std::int64_t index);
[[nodiscard]] std::string EncodeFlag(bool value);

[[nodiscard]] bool DecodeFlag(std::string_view text);
// The list index of a letter code, when the text is exactly one of the
// first `count` capital letters.
[[nodiscard]] std::optional<int> DecodeLetter(std::string_view text, int count);

// The stored bytes of a number-like value in the field's own form.
[[nodiscard]] std::string EncodeValue(const FieldDescriptor& field, std::int64_t value);

}  // namespace korvale
