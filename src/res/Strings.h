#pragma once

#include <string_view>

namespace korvale::res {

// The string table (UTF-8): the text of string `id`, empty when there is
// none. A command's string is its status-bar prompt, then a line feed and
// its tip.
[[nodiscard]] std::string_view StringText(int id);
// Line `index` (from 0) of string `id`: of a command's string, 0 is the
// prompt and 1 the tip; of the document string, 0 is the window title.
// Empty when the string has fewer lines.
[[nodiscard]] std::string_view StringLine(int id, int index);

}  // namespace korvale::res
