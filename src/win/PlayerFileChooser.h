#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace korvale::win {

// The open-file dialog for a roster: "Players.dbf" offered, one filter,
// "Courtline '98 Player Data Files", that lists only files named
// Players.dbf; the chosen path as UTF-8; nothing when cancelled.
[[nodiscard]] std::optional<std::string> ChoosePlayerFile(HWND owner);

}  // namespace korvale::win
