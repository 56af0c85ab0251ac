#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvale {

// One character of a UTF-8 text: its length in bytes (0 where the bytes
// are no UTF-8) and its code point.
struct Utf8Character {
  std::size_t length = 0;
  char32_t code = 0;
};

// The UTF-8 sequence at `at` in its shortest form, no surrogate, at most
// U+10FFFF; length 0 when there is none.
[[nodiscard]] Utf8Character Utf8CharacterAt(std::string_view text, std::size_t at);
[[nodiscard]] bool IsUtf8(std::string_view text);

// Appends a code point below U+110000 as UTF-8.
void AppendUtf8(std::string& out, char32_t code);

// How many UTF-16 units a UTF-8 text takes, as the length limits of edits
// count: one per character, two for one beyond U+FFFF.
[[nodiscard]] std::size_t Utf16Length(std::string_view utf8);

}  // namespace korvale
