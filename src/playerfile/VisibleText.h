#pragma once

#include <string>
#include <string_view>

namespace korvale {

// A text as shown to a person, in a list or a message: every character
// that could drive a terminal or change how the text reads becomes a
// visible escape, and every other byte is kept. Control characters (C0,
// DEL, C1 as UTF-8) and bytes that are no UTF-8 show as \x1B; the
// invisible and direction characters (U+200B-U+200F, U+202A-U+202E,
// U+2066-U+2069, U+FEFF) as \u202E.
[[nodiscard]] std::string VisibleText(std::string_view text);

// The first control character (C0, DEL or C1) in a UTF-8 text as its
// visible escape ("\\x1B"), or empty when there is none.
[[nodiscard]] std::string ControlCharacterIn(std::string_view utf8);

}  // namespace korvale
