#pragma once

#include <QString>

namespace korvale::res {

// The text of string `id`; empty when there is none. A command's string is
// its status-bar prompt, then a line feed and its tip.
[[nodiscard]] QString LoadString(int id);
// The part of a command's string before the line feed.
[[nodiscard]] QString StatusPrompt(int id);
// The part after it.
[[nodiscard]] QString ToolTip(int id);

}  // namespace korvale::res
