#include "HistoryLog.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <system_error>
#include <utility>

#include "FileError.h"
#include "FileSystem.h"
#include "HistoryLocation.h"
#include "HistoryScan.h"
#include "Utf8Path.h"

namespace korvale::history {
namespace {

constexpr std::uint64_t kCopyPiece = std::uint64_t{1} << 20;

// What stands at a path of this status when it is something other than a
// file.
std::optional<std::string> NotAFile(const std::filesystem::file_status& status) {
  if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
    return std::nullopt;
  }
  switch (status.type()) {
    case std::filesystem::file_type::directory: return "it is a folder, not a file";
    case std::filesystem::file_type::fifo: return "it is a FIFO, not a file";
    case std::filesystem::file_type::block:
    case std::filesystem::file_type::character: return "it is a device, not a file";
    case std::filesystem::file_type::socket: return "it is a socket, not a file";
    default: return "it is not a regular file";
  }
}

std::optional<std::string> NotAFile(const std::filesystem::path& path) {
  std::error_code error;
  return NotAFile(std::filesystem::status(path, error));
}

std::uint64_t LengthOf(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

void Check(const SysResult& result, const std::filesystem::path& path) {
  if (!result.ok) throw FileError(result.cause, Utf8FromPath(path));
}

void Put(FileSystem& system, int handle, std::string_view bytes) {
  SysResult put = system.Write(handle, bytes.data(), bytes.size());
  if (put.ok && static_cast<std::size_t>(put.value) < bytes.size()) {
    put = SysResult::Failure(FileErrorCause::DiskFull);
  }
  if (!put.ok) throw FileError(put.cause, "");
}

// Runs `write` on the handle, then (with `toDisk`) flushes it and closes
// it, or with `keep` keeps it open when all went well.
void Flushed(FileSystem& system, int handle, const std::filesystem::path& path,
             const std::function<void()>& write, bool toDisk = true, bool keep = false) {
  SysResult done = SysResult::Value(0);
  try {
    write();
  } catch (const FileError& e) {
    done = SysResult::Failure(e.Cause());
  }
  const SysResult synced = done.ok && toDisk ? system.Sync(handle) : done;
  if (keep && synced.ok) return;
  const SysResult closed = system.Close(handle);
  Check(synced, path);
  Check(closed, path);
}

}  // namespace

std::int64_t SystemNow() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

HistoryLog::HistoryLog(std::string rosterPath, Clock clock, HistoryLimits limits,
                       FileSystem& system)
    : rosterPath_(std::move(rosterPath)),
      path_(HistoryPath(rosterPath_)),
      clock_(std::move(clock)),
      limits_(limits),
      system_(system) {}

HistoryScan HistoryLog::Scan() const {
  if (path_.empty()) return {};
  const auto cannot = [this](const std::string& why) {
    return HistoryError("The change history " + Utf8FromPath(path_) + " cannot be read: " + why);
  };
  if (const auto what = NotAFile(path_)) throw cannot(*what);
  std::optional<HistoryScan> scan = ScanHistory(path_, LengthOf(path_));
  if (!scan) throw cannot("it cannot be opened");
  return std::move(*scan);
}

ChangeSet HistoryLog::ReadSet(const HistoryEntry& entry) const {
  std::ifstream in(path_, std::ios::binary);
  std::string frame(static_cast<std::size_t>(entry.size), '\0');
  in.seekg(static_cast<std::streamoff>(entry.offset));
  in.read(frame.data(), static_cast<std::streamsize>(frame.size()));
  std::optional<ChangeSet> set;
  if (in.gcount() == static_cast<std::streamsize>(frame.size())) set = DecodeSet(frame);
  if (!set) {
    throw HistoryError("The change history " + Utf8FromPath(path_) +
                       " changed while it was read: change set " + std::to_string(entry.id) +
                       " is no longer where it was");
  }
  return std::move(*set);
}

std::vector<ChangeSet> HistoryLog::Read() const {
  std::vector<ChangeSet> sets;
  for (const HistoryEntry& entry : Scan().entries) {
    if (!entry.damaged) sets.push_back(ReadSet(entry));
  }
  return sets;
}

std::uint64_t HistoryLog::Append(Program program, std::vector<FieldChange> changes,
                                 std::vector<PlayerBefore> players, bool markNext) {
  return AppendEncoded(
      [&](std::uint64_t id, std::int64_t time) {
        return EncodeChangeSet({id, time, program, std::move(changes), std::move(players)});
      },
      markNext);
}

std::uint64_t HistoryLog::AppendSpans(Program program, const std::vector<Span>& spans,
                                      const RosterBytes& read) {
  return AppendEncoded([&](std::uint64_t id, std::int64_t time) {
    return EncodeSpanSet(id, time, program, spans, read);
  });
}

HistoryLog::~HistoryLog() { Release(); }

// Written through the file the append left open when it follows one.
void HistoryLog::Mark(std::uint64_t id, SetState state) {
  try {
    if (!held_) held_ = OpenLog(Prepare());
    const int handle = *std::exchange(held_, std::nullopt);
    const std::string bytes = EncodeState(id, state);
    Flushed(
        system_, handle, path_, [&] { PutAt(handle, bytes); }, false);
    knownLength_ = *knownLength_ + bytes.size();
  } catch (const FileError& e) {
    Fail(e.Message());
  }
}

std::uint64_t HistoryLog::AppendEncoded(
    const std::function<std::string(std::uint64_t id, std::int64_t time)>& encode, bool markNext) {
  try {
    const bool there = Prepare();
    const std::uint64_t id = nextId_;
    const std::int64_t time = clock_();
    const std::string bytes = encode(id, time);
    Prune(time, bytes.size());
    Write(bytes, there);
    if (!markNext) Release();
    entries_.push_back({*knownLength_, bytes.size(), false, id, time, SetState::Unmarked});
    knownLength_ = *knownLength_ + bytes.size();
    nextId_ = id + 1;
    return id;
  } catch (const FileError& e) {
    Fail(e.Message());
  }
}

// What the file holds known, and the folder made when there is no file
// yet; whether the file is there.
bool HistoryLog::Prepare() {
  Release();
  if (path_.empty()) Fail("no folder for it is known (set KORVALE_HISTORY_DIR)");
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path_, error);
  if (const auto what = NotAFile(status)) Fail(*what);
  const bool there = std::filesystem::exists(status);
  if (!there) std::filesystem::create_directories(path_.parent_path(), error);
  if (!there && error) Fail(error.message());
  const std::uint64_t length = there ? LengthOf(path_) : 0;
  if (knownLength_ != length) Load(length);
  return there;
}

void HistoryLog::Load(std::uint64_t length) {
  const std::optional<HistoryScan> scan = ScanHistory(path_, length);
  if (!scan) Fail("it cannot be read");
  entries_ = scan->entries;
  nextId_ = std::max(nextId_, scan->lastId + 1);
  if (scan->appendAt < length) {
    std::error_code error;
    std::filesystem::resize_file(path_, scan->appendAt, error);
    if (error) Fail(error.message());
  }
  knownLength_ = scan->appendAt;
}

// Once the oldest set is past the age limit, or the incoming set would
// take the history past the size limit, drops the oldest sets (and any
// damage among them); and then well below the limits, so that the file is
// rewritten seldom: down to three quarters of the size limit, and the sets
// that would pass the age limit within a ninetieth of it (a day of 90)
// go too.
void HistoryLog::Prune(std::int64_t now, std::size_t incoming) {
  const std::uint64_t end = *knownLength_;
  const std::int64_t oldest = now - limits_.maxAgeSeconds;
  if (entries_.empty() || (entries_.front().time >= oldest && end + incoming <= limits_.maxBytes)) {
    return;
  }
  const std::int64_t ageCut = oldest + limits_.maxAgeSeconds / 90;
  const std::uint64_t sizeCut = limits_.maxBytes - limits_.maxBytes / 4;
  std::size_t drop = 0;
  std::uint64_t from = 0;
  while (drop < entries_.size() &&
         (entries_[drop].time < ageCut || end - from + incoming > sizeCut)) {
    ++drop;
    from = drop < entries_.size() ? entries_[drop].offset : end;
  }
  if (drop == 0) return;
  Rewrite(from);
  entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(drop));
  for (HistoryEntry& entry : entries_) entry.offset -= from;
  knownLength_ = end - from;
}

// Replaces the file by its bytes from `from` on: copied a piece at a time
// under another name, flushed, then renamed over it.
void HistoryLog::Rewrite(std::uint64_t from) {
  std::filesystem::path fresh = path_;
  fresh += ".new";
  FileSystem& system = system_;
  (void)system.Remove(Utf8FromPath(fresh));  // one a killed rewrite left
  const SysResult created = system.Create(Utf8FromPath(fresh));
  Check(created, fresh);
  Flushed(system, static_cast<int>(created.value), fresh, [&] {
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    std::string piece;
    for (std::uint64_t left = *knownLength_ - from; left > 0;) {
      piece.resize(static_cast<std::size_t>(std::min(left, kCopyPiece)));
      in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
      if (in.gcount() != static_cast<std::streamsize>(piece.size())) {
        throw FileError(FileErrorCause::HardwareIo, "");
      }
      Put(system, static_cast<int>(created.value), piece);
      left -= piece.size();
    }
  });
  std::error_code error;
  std::filesystem::rename(fresh, path_, error);
  if (error) Fail(error.message());
  Check(system.SyncFolder(Utf8FromPath(path_.parent_path())), path_);
}

int HistoryLog::OpenLog(bool there) {
  const std::string path = Utf8FromPath(path_);
  const SysResult opened = there ? system_.Open(path) : system_.Create(path);
  Check(opened, path_);
  return static_cast<int>(opened.value);
}

void HistoryLog::PutAt(int handle, const std::string& bytes) {
  const SysResult seek = system_.Seek(handle, *knownLength_);
  if (!seek.ok) throw FileError(seek.cause, "");
  Put(system_, handle, bytes);
}

void HistoryLog::Write(const std::string& bytes, bool there) {
  const int handle = OpenLog(there);
  Flushed(
      system_, handle, path_, [&] { PutAt(handle, bytes); }, true, true);
  if (!there) {
    const SysResult synced = system_.SyncFolder(Utf8FromPath(path_.parent_path()));
    if (!synced.ok) (void)system_.Close(handle);
    Check(synced, path_);
  }
  held_ = handle;
}

void HistoryLog::Release() {
  if (held_) (void)system_.Close(*std::exchange(held_, std::nullopt));
}

void HistoryLog::Fail(const std::string& why) const {
  const std::string where = path_.empty() ? std::string() : " " + Utf8FromPath(path_);
  throw HistoryError("The change history" + where + " could not be written: " + why);
}

}  // namespace korvale::history
