#pragma once

#include <optional>
#include <string>

#include "PlayerFileState.h"
#include "RollbackJournal.h"

namespace korvale {

// The open sequence of the editor and korvale-cli alike. Each opens the
// roster (held exclusively to write, shared to read), lets it go at once
// unless its header says a player file (raising NotPlayerFile), removes
// the temporary files that killed runs left beside it, and then deals with
// what stands at its journal's path: an interrupted import is undone; a
// journal that does not match, or anything that is no journal of ours,
// leaves the roster closed and comes back as a report that stops.
[[nodiscard]] UndoReport OpenRosterToWrite(PlayerFileState& file, const std::string& path);
// A reader takes the roster exclusively for the moment to undo a journal;
// when another program holds it, the report stops with kUndoFirst.
[[nodiscard]] UndoReport OpenRosterToRead(PlayerFileState& file, const std::string& path);

// Why the roster may not be written through a journal: it has more than
// one name (hard links). Nothing when it has one.
[[nodiscard]] std::optional<std::string> SharedRoster(const std::string& path);

inline constexpr const char* kUndoFirst = "An interrupted import must be undone first.";

}  // namespace korvale
