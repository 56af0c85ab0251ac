#pragma once

#include <string>
#include <string_view>

// Line `index` (0-based) of a resource string: a command's string is its
// status-bar prompt, then its tip; the document string's first line is the
// window title. Empty when the string has fewer lines.
[[nodiscard]] std::wstring StringLine(int id, int index);
