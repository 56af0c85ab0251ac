#pragma once

#include <optional>
#include <string>
#include <string_view>

// File text is single-byte Windows-1252; the editor's text is UTF-8.
[[nodiscard]] std::string FromFileBytes(std::string_view bytes);
// Nothing when a character has no single byte in the file's code page.
[[nodiscard]] std::optional<std::string> ToFileBytes(std::string_view text);
// How many characters an edit counts in a text (UTF-16 units, as the
// length limits of edits count them).
[[nodiscard]] std::size_t EditLength(std::string_view text);
