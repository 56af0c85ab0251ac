#pragma once

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>

#include "MessageSink.h"

namespace korvale::win {

// The dialog that asks: GetOpenFileNameW, or a stand-in with its contract.
using OpenFileDialog = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The open-file dialog for a roster: "Players.dbf" offered, one filter,
// "Courtline '98 Player Data Files", that lists only files named
// Players.dbf; the chosen path as UTF-8; nothing when cancelled. A dialog
// that fails (CommDlgExtendedError) chooses nothing either, and its
// failure goes to `messages` as a stop.
[[nodiscard]] std::optional<std::string> ChoosePlayerFile(HWND owner, MessageSink& messages,
                                                          OpenFileDialog open = GetOpenFileNameW);

}  // namespace korvale::win
