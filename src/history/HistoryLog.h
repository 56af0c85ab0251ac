#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChangeSet.h"
#include "ChangeSetCodec.h"
#include "FileSystem.h"
#include "HistoryScan.h"

namespace korvale::history {

// How much history each roster keeps: the last 90 days or the last 50 MB,
// whichever is less (see HistoryLog::Prune for how far it is cut back).
struct HistoryLimits {
  std::int64_t maxAgeSeconds = std::int64_t{90} * 24 * 60 * 60;
  std::uint64_t maxBytes = std::uint64_t{50} * 1024 * 1024;
};

// Seconds since the epoch.
using Clock = std::function<std::int64_t()>;
[[nodiscard]] std::int64_t SystemNow();

// A history that cannot be written; the message says which and why.
class HistoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The change history of one roster, in its file in the history folder.
// What it has learnt of the file is kept between appends, and read again
// when the file's length is not the one it left. The file is read a piece
// at a time, never whole. Damage is never cut off: what follows it is
// found by its frame mark, and ids are never given twice.
class HistoryLog {
 public:
  // Its file is written through `system`, the seam of the roster's writes.
  explicit HistoryLog(std::string rosterPath, Clock clock = SystemNow, HistoryLimits limits = {},
                      FileSystem& system = SystemFileSystem());
  ~HistoryLog();
  HistoryLog(const HistoryLog&) = delete;
  HistoryLog& operator=(const HistoryLog&) = delete;

  [[nodiscard]] const std::string& RosterPath() const { return rosterPath_; }
  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

  // The intact change sets and the damaged places, oldest first; none
  // without a history. Raises HistoryError when it cannot be read (a
  // folder or another thing that is not a file stands at its path).
  [[nodiscard]] HistoryScan Scan() const;
  // The change set of an intact entry of Scan(). Raises HistoryError.
  [[nodiscard]] ChangeSet ReadSet(const HistoryEntry& entry) const;
  // Every intact change set, oldest first, all at once.
  [[nodiscard]] std::vector<ChangeSet> Read() const;

  // Appends one change set and flushes it to the disk, after dropping the
  // oldest sets that the limits no longer keep, and returns its id. A set
  // cut short at the end of the file (an append killed half way) is
  // written over. With `markNext` the file stays open (and locked) for the
  // Mark that is to follow at once. Raises HistoryError.
  std::uint64_t Append(Program program, std::vector<FieldChange> changes,
                       std::vector<PlayerBefore> players = {}, bool markNext = false);
  // Append of the roster writes that change a field, encoded straight from
  // them (an import's hundreds of thousands are not copied), with who each
  // record was as `read` gives it.
  std::uint64_t AppendSpans(Program program, const std::vector<Span>& spans,
                            const RosterBytes& read);
  // Appends the mark that says whether the set `id` took effect: applied
  // once its writes are committed, not applied when they were undone,
  // stopped or failed. It is not flushed to the disk: a mark that a crash
  // loses leaves its set to be judged against the roster. Raises
  // HistoryError.
  void Mark(std::uint64_t id, SetState state);

 private:
  // The set that `encode` lays out for an id and a time, appended.
  std::uint64_t AppendEncoded(
      const std::function<std::string(std::uint64_t id, std::int64_t time)>& encode,
      bool markNext = false);
  bool Prepare();
  void Load(std::uint64_t length);
  void Prune(std::int64_t now, std::size_t incoming);
  void Rewrite(std::uint64_t from);
  // Opens the file, or creates it when it is not `there`.
  [[nodiscard]] int OpenLog(bool there);
  // Writes the bytes where the file ends.
  void PutAt(int handle, const std::string& bytes);
  // Appends the bytes to the file (created when it is not `there`),
  // flushed to the disk, and holds the file open.
  void Write(const std::string& bytes, bool there);
  void Release();
  [[noreturn]] void Fail(const std::string& why) const;

  std::string rosterPath_;
  std::filesystem::path path_;
  Clock clock_;
  HistoryLimits limits_;
  std::optional<std::uint64_t> knownLength_;  // the file's length as last left
  std::vector<HistoryEntry> entries_;
  std::uint64_t nextId_ = 1;
  FileSystem& system_;
  std::optional<int> held_;  // the file as the last append left it open
};

}  // namespace korvale::history
