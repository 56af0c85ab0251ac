#include "TextLimit.h"

#include <algorithm>

#include "Windows1252.h"

namespace korvale {
namespace {

template <typename Unit>
LimitedText Judge(std::basic_string_view<Unit> text, int limit,
                  std::basic_string_view<Unit> shown) {
  const bool fits = (limit <= 0 || text.size() <= static_cast<std::size_t>(limit)) &&
                    std::all_of(text.begin(), text.end(), [](Unit unit) {
                      const auto code = static_cast<char32_t>(unit);
                      return (code < 0xD800 || code > 0xDFFF) && IsAcceptedTextCharacter(code);
                    });
  if (fits) return LimitedText::Fits;
  // Whether `text` is `shown` with characters deleted, in the shown order.
  auto rest = shown.begin();
  for (const Unit unit : text) {
    rest = std::find(rest, shown.end(), unit);
    if (rest == shown.end()) return LimitedText::Refused;
    ++rest;
  }
  return LimitedText::AsShown;
}

}  // namespace

LimitedText JudgeLimitedText(std::u16string_view text, int limit, std::u16string_view shown) {
  return Judge(text, limit, shown);
}

LimitedText JudgeLimitedText(std::wstring_view text, int limit, std::wstring_view shown) {
  return Judge(text, limit, shown);
}

}  // namespace korvale
