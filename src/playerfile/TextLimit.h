#pragma once

#include <string_view>

namespace korvale {

// What an edit holding a text field takes from typing and pasting: at most
// `limit` UTF-16 units (none when 0), each one a character the file can
// hold. The text the program showed there, `shown`, is not cut by the
// limit: it stands as it is even when it breaks the rule, as with a Windows
// edit's length limit; it may shrink, and whatever would lengthen or change
// it is refused.
enum class LimitedText {
  Fits,     // within the rule
  AsShown,  // breaks the rule but is the shown text, or what deleting from it leaves
  Refused,
};

[[nodiscard]] LimitedText JudgeLimitedText(std::u16string_view text, int limit,
                                           std::u16string_view shown);
// The same for wchar_t text, UTF-16 on Windows.
[[nodiscard]] LimitedText JudgeLimitedText(std::wstring_view text, int limit,
                                           std::wstring_view shown);

}  // namespace korvale
