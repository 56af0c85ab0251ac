#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvale {

// The integer an editor box holds, as the pages take it: at most the first
// 31 characters are read; blanks and tabs may surround one optionally
// signed decimal integer; a result of 0 must begin with the digit 0 (so an
// empty box or a signed zero is no integer); a number beyond 32 bits is
// clamped to the nearest bound.
[[nodiscard]] std::optional<std::int32_t> ParseExchangeInteger(std::string_view text);

}  // namespace korvale
