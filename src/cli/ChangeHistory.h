#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ChangeSet.h"
#include "HistoryLog.h"
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
  std::string player;  // "LastName, FirstName (id N)" before the change
  std::string field;
  std::string before;
  std::string after;
};

// "Okafor, Emeka (id 100)  JumpShooting  72 -> 75"
[[nodiscard]] std::string ChangeLine(const ShownChange& change);

// The history of a roster read newest first, a set at a time, against the
// roster: each set that took effect is taken back in memory after it is
// read, so that the roster image always stands as it did right before the
// set read last. A set without a mark took effect unless every field it
// changes holds the bytes it had before it.
class HistoryWalk {
 public:
  // Raises history::HistoryError when the history cannot be read.
  HistoryWalk(const history::HistoryLog& log, RosterImage roster);

  // The next entry, newer first; false after the oldest.
  bool Next();
  [[nodiscard]] const history::HistoryEntry& Entry() const { return *entry_; }
  // The current set; Entry() is not damaged.
  [[nodiscard]] const history::ChangeSet& Set() const { return set_; }
  [[nodiscard]] bool TookEffect() const { return tookEffect_; }
  // The fields whose shown value or bytes the set changed.
  [[nodiscard]] const std::vector<ShownChange>& Shown() const { return shown_; }
  // The roster as it stood before the current set.
  [[nodiscard]] const RosterImage& Before() const { return image_; }
  // The places that are damaged, oldest first; "" when none is.
  [[nodiscard]] std::string DamageText() const;

 private:
  void Judge();
  void Show();

  const history::HistoryLog& log_;
  history::HistoryScan scan_;
  RosterImage image_;
  std::size_t next_;
  const history::HistoryEntry* entry_ = nullptr;
  history::ChangeSet set_;
  bool tookEffect_ = false;
  std::vector<ShownChange> shown_;
};

// "Okafor, Emeka (id 100)": who the recorded player was.
[[nodiscard]] std::string WhoText(const history::PlayerBefore& player);
// The name of an entry: "change set 4", or where damage without an id lies.
[[nodiscard]] std::string EntryName(const history::HistoryEntry& entry);

}  // namespace korvale::cli
