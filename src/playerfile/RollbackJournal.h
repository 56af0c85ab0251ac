#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "PlayerFileState.h"
#include "SpanBytes.h"

namespace korvale {

// One write to a roster: the bytes at `offset` before and after it.
struct Span {
  std::uint64_t offset = 0;
  SpanBytes oldBytes;
  SpanBytes newBytes;
};

// The journal beside a roster: its path with symlinks resolved, plus
// "-journal".
[[nodiscard]] std::string JournalPath(const std::string& rosterPath);

// What a failure while spans were written left behind.
enum class SpansLeft {
  Unchanged,    // the roster is as it was
  Applied,      // every span is written for good; only the journal's deletion failed
  UndoPending,  // the undo failed too: the journal beside the roster undoes it at the next open
};

// A file error while spans were written, and what it left.
class SpanWriteError : public FileError {
 public:
  SpanWriteError(const FileError& error, SpansLeft left) : FileError(error), left_(left) {}
  [[nodiscard]] SpansLeft Left() const { return left_; }

 private:
  SpansLeft left_;
};

// Writes the spans to the roster open for writing, all or nothing: a
// rollback journal is created (a new file of our own, never through a
// link) and flushed first; then the spans are written and the roster
// flushed; then the journal is deleted and its folder flushed (the
// commit). Spans that lie near each other go to the roster in
// one positioned write, with the bytes between them written back as read:
// the roster ends as writing each span on its own leaves it. A write error
// undoes what was written and raises a SpanWriteError that says what it
// left. When the journal cannot be written, nothing is written to the
// roster and the FileError is raised. `stop` is asked after every write;
// when it says yes the spans written are undone and WriteSpansAllOrNothing
// returns false.
bool WriteSpansAllOrNothing(PlayerFileState& roster, const std::vector<Span>& spans,
                            bool (*stop)() = nullptr);

enum class JournalUndo { None, Undone, Mismatch, Foreign };

// The roster was restored, but the journal could not be deleted.
class JournalLeft : public FileError {
 public:
  explicit JournalLeft(const FileError& error) : FileError(error) {}
};

// Undoes the journal beside the roster open for writing, if there is a
// valid one: the roster must have the length it recorded, and every span
// must hold its old or its new bytes; the old bytes are written back, the
// roster flushed, the journal deleted (JournalLeft when that fails). An
// incomplete journal is deleted. A journal that matches neither is left
// alone (Mismatch); so is anything at the journal's path that is not a
// regular file with one name (Foreign): nothing is read from it.
// `restored` tells how many spans were undone.
JournalUndo UndoJournal(PlayerFileState& roster, std::size_t* restored = nullptr);

// UndoJournal, with what to tell the user: nothing when there was no
// journal; `stops` when the roster may not be used (a mismatch).
struct UndoReport {
  std::string message;
  bool stops = false;
};
UndoReport UndoInterruptedImport(PlayerFileState& roster);

// Whether anything stands at the roster's journal path (a link counts,
// even one that leads nowhere).
[[nodiscard]] bool JournalExists(const std::string& rosterPath);

// What to tell the user when what stands at the journal's path is not a
// journal of ours (a link of either kind, a FIFO, a device, a folder):
// nothing then may write to the roster or undo anything on it.
[[nodiscard]] std::optional<std::string> ForeignJournal(const std::string& rosterPath);

inline constexpr const char* kJournalMismatch =
    "The journal beside the roster does not match it (the roster was replaced since an "
    "interrupted import). Both files were left alone: move the journal away to keep the "
    "roster as it is.";

}  // namespace korvale
