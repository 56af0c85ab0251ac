#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace korvale::win {

// The open-file dialog for a roster: "Players.dbf" offered, the player data
// filter, the path of an existing file as UTF-8; nothing when cancelled.
[[nodiscard]] std::optional<std::string> ChoosePlayerFile(HWND owner);

}  // namespace korvale::win
