#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "PlayerFileState.h"

namespace korvale::cli {

// Raised when a roster may not be used; the message says why.
class RosterRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised when a roster may not be used before its journal is dealt with.
class JournalStop : public RosterRefused {
 public:
  using RosterRefused::RosterRefused;
};

// Opens the roster, to write or to read (shared), as the editor's Select
// does: a file that is not a player file is refused before anything else,
// then an interrupted import whose journal lies beside it is undone, saying
// so on `err`. A reader reopens the roster exclusively for that.
void OpenRoster(PlayerFileState& file, const std::string& path, bool write, std::ostream& err);

// Opens any regular file to read for a check: no player-file test (the
// check reports what is wrong), and a journal is undone when it can be.
// A journal left beside the file comes back as a finding.
[[nodiscard]] std::optional<std::string> OpenRosterToCheck(PlayerFileState& file,
                                                           const std::string& path,
                                                           std::ostream& err);

// Warns on `err` when the file ends in a cut-short record.
void WarnIfCutShort(PlayerFileState& file, std::ostream& err);

// "record N is cut short: ..." when a file of this length, ending in this
// byte, leaves part of a record at its end (a lone end-of-file marker is
// no record).
[[nodiscard]] std::optional<std::string> CutShortRecord(std::uint64_t length, char lastByte);

}  // namespace korvale::cli
