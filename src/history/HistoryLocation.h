#pragma once

#include <filesystem>
#include <string>

namespace korvale::history {

// The folder that holds the histories, in the user's own data:
// KORVALE_HISTORY_DIR when set; on Windows %LOCALAPPDATA%\Korvale\history;
// elsewhere $XDG_STATE_HOME/korvale/history, by default
// ~/.local/state/korvale/history. Empty when none can be named.
[[nodiscard]] std::filesystem::path HistoryFolder();

// The history file's name for a roster: readable from the roster's full
// path (symlinks resolved), with a hash of that path to keep it unique.
[[nodiscard]] std::string HistoryFileName(const std::string& rosterPath);

// The roster's history file in HistoryFolder().
[[nodiscard]] std::filesystem::path HistoryPath(const std::string& rosterPath);

}  // namespace korvale::history
