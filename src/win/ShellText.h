#pragma once

#include <string>
#include <string_view>

// The shell's texts come from the resource data as UTF-8; the windows take
// UTF-16.
[[nodiscard]] std::wstring Widen(std::string_view utf8);
[[nodiscard]] std::string Narrow(std::wstring_view utf16);

// Line `index` (0-based) of a resource string: a command's string is its
// status-bar prompt, then its tip; the document string's first line is the
// window title. Empty when the string has fewer lines.
[[nodiscard]] std::wstring StringLine(int id, int index);
