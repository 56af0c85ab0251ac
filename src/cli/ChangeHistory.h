#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ChangeSet.h"
#include "RollbackJournal.h"
#include "RosterImage.h"

namespace korvale::cli {

struct Io;

// The writes of an import or an undo recorded in the roster's history,
// then made all or nothing (history::Recorder::WriteSpans), and the file
// closed. A history that cannot be written is reported on io.err and the
// writes go ahead. A file error or a stop
// signal undoes what was written; what a failure left is said on io.err
// and the result is kFailure. A failing close may have lost what was
// written, so it is reported like a failing write.
int WriteRecorded(PlayerFileState& file, history::Program program, const std::vector<Span>& spans,
                  Io io);

// One field of a change set as a person reads it.
struct ShownChange {
  std::int64_t record = 0;
  std::string player;  // "LastName, FirstName" after the change
  std::string field;
  std::string before;
  std::string after;
};

// The fields of every change set, newest first, with the shown values
// before and after each set. The roster as it is now, with every later
// set taken back in memory, gives how it stood after each one.
[[nodiscard]] std::vector<std::vector<ShownChange>> ShowChanges(
    RosterImage roster, const std::vector<history::ChangeSet>& newestFirst);

// "Okafor, Emeka  JumpShooting  72 -> 75"
[[nodiscard]] std::string ChangeLine(const ShownChange& change);

}  // namespace korvale::cli
