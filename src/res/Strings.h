#pragma once

#include <string_view>

namespace korvale::res {

// The string table (UTF-8): the text of string `id`, empty when there is
// none. A command's string is its status-bar prompt, then a line feed and
// its tip.
[[nodiscard]] std::string_view StringText(int id);

}  // namespace korvale::res
