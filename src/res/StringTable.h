#pragma once

#include <QString>

namespace korvale::res {

// The text of string `id`; empty when there is none. A command's string is
// its status-bar prompt, then a line feed and its tip.
[[nodiscard]] QString LoadString(int id);
// Line 0 of a command's string (StringLine).
[[nodiscard]] QString StatusPrompt(int id);
// Line 1 of it.
[[nodiscard]] QString ToolTip(int id);

}  // namespace korvale::res
