#include "HistoryLog.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <system_error>

#include "FileError.h"
#include "FileSystem.h"
#include "HistoryLocation.h"
#include "HistoryScan.h"
#include "Utf8Path.h"

namespace korvale::history {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::uint64_t LengthOf(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

void Check(const SysResult& result, const std::filesystem::path& path) {
  if (!result.ok) throw FileError(result.cause, Utf8FromPath(path));
}

// Writes the bytes at `offset` of the open handle and flushes them.
void PutFlushed(FileSystem& system, int handle, std::uint64_t offset, const std::string& bytes,
                const std::filesystem::path& path) {
  SysResult put = system.Seek(handle, offset);
  if (put.ok) put = system.Write(handle, bytes.data(), bytes.size());
  if (put.ok && static_cast<std::size_t>(put.value) < bytes.size()) {
    put = SysResult::Failure(FileErrorCause::DiskFull);
  }
  const SysResult synced = put.ok ? system.Sync(handle) : put;
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

std::vector<ChangeSet> HistoryLog::Read() const {
  if (path_.empty()) return {};
  return DecodeHistory(ReadFile(path_));
}

std::uint64_t HistoryLog::Append(Program program, std::vector<FieldChange> changes) {
  return AppendEncoded([&](std::uint64_t id, std::int64_t time) {
    return EncodeChangeSet({id, time, program, std::move(changes)});
  });
}

std::uint64_t HistoryLog::AppendSpans(Program program, const std::vector<Span>& spans) {
  return AppendEncoded(
      [&](std::uint64_t id, std::int64_t time) { return EncodeSpanSet(id, time, program, spans); });
}

std::uint64_t HistoryLog::AppendEncoded(
    const std::function<std::string(std::uint64_t id, std::int64_t time)>& encode) {
  if (path_.empty()) Fail("no folder for it is known (set KORVALE_HISTORY_DIR)");
  try {
    std::error_code error;
    std::filesystem::create_directories(path_.parent_path(), error);
    if (error) Fail(error.message());
    const std::uint64_t length = LengthOf(path_);
    if (knownLength_ != length) Load(length);
    const std::uint64_t id = nextId_;
    const std::int64_t time = clock_();
    const std::string bytes = encode(id, time);
    Prune(time, bytes.size());
    Write(bytes);
    extents_.push_back({static_cast<std::size_t>(*knownLength_ + bytes.size()), time});
    knownLength_ = extents_.back().end;
    nextId_ = id + 1;
    return id;
  } catch (const FileError& e) {
    Fail(e.Message());
  }
}

void HistoryLog::Load(std::uint64_t length) {
  const std::optional<HistoryScan> scan = ScanHistory(path_, length);
  if (!scan) Fail("it cannot be read");
  extents_ = scan->extents;
  if (!extents_.empty()) nextId_ = std::max(nextId_, scan->lastId + 1);
  if (scan->validLength < length) {
    std::error_code error;
    std::filesystem::resize_file(path_, scan->validLength, error);
    if (error) Fail(error.message());
  }
  knownLength_ = scan->validLength;
}

// Once the oldest set is past the age limit, or the incoming set would
// take the history past the size limit, drops the oldest sets; and then
// well below the limits, so that the file is rewritten seldom: down to
// three quarters of the size limit, and the sets that would pass the age
// limit within a ninetieth of it (a day of 90) go too.
void HistoryLog::Prune(std::int64_t now, std::size_t incoming) {
  const std::size_t end = static_cast<std::size_t>(*knownLength_);
  const std::int64_t oldest = now - limits_.maxAgeSeconds;
  if (extents_.empty() || (extents_.front().time >= oldest && end + incoming <= limits_.maxBytes)) {
    return;
  }
  const std::int64_t ageCut = oldest + limits_.maxAgeSeconds / 90;
  const std::uint64_t sizeCut = limits_.maxBytes - limits_.maxBytes / 4;
  std::size_t drop = 0;
  std::size_t from = 0;
  while (drop < extents_.size() &&
         (extents_[drop].time < ageCut || end - from + incoming > sizeCut)) {
    from = extents_[drop++].end;
  }
  if (drop == 0) return;
  Rewrite(from);
  extents_.erase(extents_.begin(), extents_.begin() + static_cast<std::ptrdiff_t>(drop));
  for (SetExtent& extent : extents_) extent.end -= from;
  knownLength_ = end - from;
}

// Replaces the file by its bytes from `from` on: written under another
// name, flushed, then renamed over it.
void HistoryLog::Rewrite(std::size_t from) {
  const std::string kept = ReadFile(path_).substr(from, *knownLength_ - from);
  std::filesystem::path fresh = path_;
  fresh += ".new";
  FileSystem& system = system_;
  (void)system.Remove(Utf8FromPath(fresh));  // one a killed rewrite left
  const SysResult created = system.Create(Utf8FromPath(fresh));
  Check(created, fresh);
  PutFlushed(system, static_cast<int>(created.value), 0, kept, fresh);
  std::error_code error;
  std::filesystem::rename(fresh, path_, error);
  if (error) Fail(error.message());
  Check(system.SyncFolder(Utf8FromPath(path_.parent_path())), path_);
}

void HistoryLog::Write(const std::string& bytes) {
  FileSystem& system = system_;
  const std::string path = Utf8FromPath(path_);
  std::error_code error;
  const bool created = !std::filesystem::exists(std::filesystem::symlink_status(path_, error));
  const SysResult opened = created ? system.Create(path) : system.Open(path);
  Check(opened, path_);
  PutFlushed(system, static_cast<int>(opened.value), *knownLength_, bytes, path_);
  if (created) Check(system.SyncFolder(Utf8FromPath(path_.parent_path())), path_);
}

void HistoryLog::Fail(const std::string& why) const {
  const std::string where = path_.empty() ? std::string() : " " + Utf8FromPath(path_);
  throw HistoryError("The change history" + where + " could not be written: " + why);
}

}  // namespace korvale::history
