#include "RollbackJournal.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "LargePages.h"
#include "LittleEndian.h"
#include "SpanRuns.h"
#include "Utf8Path.h"

namespace korvale {
namespace {

constexpr std::string_view kMagic = "KVJ1";

char* PutBytes(char* at, std::string_view bytes) {
  return std::copy(bytes.begin(), bytes.end(), at);
}

std::uint32_t Checksum(std::string_view bytes) {
  std::uint32_t hash = 2166136261U;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
  return hash;
}

// The journal's bytes, laid out in one buffer of their exact size.
std::string Encode(std::uint64_t length, const std::vector<Span>& spans) {
  std::size_t size = kMagic.size() + 16;
  for (const Span& span : spans) size += 12 + span.oldBytes.size() + span.newBytes.size();
  std::string out;
  out.reserve(size);
  PreferLargePages(out.data(), size);
  out.resize(size);
  char* at = PutBytes(out.data(), kMagic);
  at = PutLittleEndian(at, length, 8);
  at = PutLittleEndian(at, spans.size(), 4);
  for (const Span& span : spans) {
    at = PutLittleEndian(at, span.offset, 8);
    at = PutLittleEndian(at, span.oldBytes.size(), 4);
    at = PutBytes(at, span.oldBytes);
    at = PutBytes(at, span.newBytes);
  }
  PutLittleEndian(at, Checksum(std::string_view(out).substr(0, size - 4)), 4);
  return out;
}

// The spans of a complete journal whose checksum holds; nullopt otherwise.
std::optional<std::vector<Span>> Decode(std::string_view bytes) {
  if (bytes.size() < kMagic.size() + 16 || bytes.substr(0, kMagic.size()) != kMagic) {
    return std::nullopt;
  }
  const std::string_view body = bytes.substr(0, bytes.size() - 4);
  LittleEndianReader tail{bytes.substr(body.size())};
  if (tail.Number(4) != Checksum(body)) return std::nullopt;
  LittleEndianReader r{body, kMagic.size() + 8};
  std::vector<Span> spans;
  const std::uint64_t count = r.Number(4);
  for (std::uint64_t i = 0; i < count && !r.broken; ++i) {
    Span span;
    span.offset = r.Number(8);
    const std::uint64_t size = r.Number(4);
    span.oldBytes = r.Bytes(size);
    span.newBytes = r.Bytes(size);
    spans.push_back(std::move(span));
  }
  if (r.broken || r.at != body.size()) return std::nullopt;
  return spans;
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

std::string Folder(const std::string& path) {
  const std::filesystem::path folder = PathFromUtf8(path).parent_path();
  return folder.empty() ? "." : Utf8(folder);
}

void Check(const SysResult& result, const std::string& path) {
  if (!result.ok) throw FileError(result.cause, path);
}

// Writes the bytes through the handle of a file just created at `path`,
// closes it, and flushes it and its folder.
void FillFlushed(FileSystem& system, int handle, const std::string& path, std::string_view bytes) {
  const SysResult put = system.Write(handle, bytes.data(), bytes.size());
  const SysResult synced = put.ok ? system.Sync(handle) : put;
  const SysResult closed = system.Close(handle);
  Check(synced, path);
  if (static_cast<std::size_t>(put.value) < bytes.size()) {
    throw FileError(FileErrorCause::DiskFull, path);
  }
  Check(closed, path);
  Check(system.SyncFolder(Folder(path)), path);
}

// Writes the bytes to a new file at `path` and flushes it and its folder.
void WriteFlushed(FileSystem& system, const std::string& path, std::string_view bytes) {
  const SysResult created = system.Create(path);
  Check(created, path);
  FillFlushed(system, static_cast<int>(created.value), path, bytes);
}

// Deletes an emptied journal.
void Delete(FileSystem& system, const std::string& path) {
  Check(system.Remove(path), path);
  Check(system.SyncFolder(Folder(path)), path);
}

// Invalidates the journal (empties and flushes it), then deletes it.
void Discard(FileSystem& system, const std::string& path) {
  WriteFlushed(system, path, {});
  Delete(system, path);
}

std::optional<std::string> ReadJournal(FileSystem& system, const std::string& path) {
  const SysResult opened = system.OpenShared(path);
  if (!opened.ok) return std::nullopt;
  const int handle = static_cast<int>(opened.value);
  const SysResult length = system.Length(handle);
  std::string bytes(length.ok ? static_cast<std::size_t>(length.value) : 0, '\0');
  const SysResult got = system.Read(handle, bytes.data(), bytes.size());
  system.Close(handle);
  Check(got, path);
  bytes.resize(static_cast<std::size_t>(got.value));
  return bytes;
}

// Writes the old bytes of the first n spans back, the last first.
void WriteBack(PlayerFileState& roster, const std::vector<Span>& spans, std::size_t n) {
  const std::vector<SpanRun> runs = RunsOf(spans, n);
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) WriteRun(roster, spans, *run, true);
  roster.Sync();
}

// Writes back the old bytes of the first n spans and deletes the journal.
// A failure of the write-back leaves the journal for the next open to undo.
SpansLeft RollBack(PlayerFileState& roster, const std::vector<Span>& spans, std::size_t n) {
  try {
    WriteBack(roster, spans, n);
  } catch (const FileError&) {
    return SpansLeft::UndoPending;
  }
  try {
    Discard(roster.System(), JournalPath(roster.FilePath()));
  } catch (const FileError&) {  // a journal left matches the old bytes: undone again harmlessly
  }
  return SpansLeft::Unchanged;
}

// RollBack, raising the error that keeps it from finishing.
void RollBackOrRaise(PlayerFileState& roster, const std::vector<Span>& spans, std::size_t n) {
  try {
    WriteBack(roster, spans, n);
  } catch (const FileError& e) {
    throw SpanWriteError(e, SpansLeft::UndoPending);
  }
  try {
    Discard(roster.System(), JournalPath(roster.FilePath()));
  } catch (const FileError& e) {
    throw SpanWriteError(e, SpansLeft::Unchanged);
  }
}

// Makes the written spans final by emptying the journal, then deletes it.
// While the journal cannot be emptied it is whole, and the spans are undone.
void Commit(PlayerFileState& roster, const std::vector<Span>& spans) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  const SysResult created = system.Create(journal);
  if (!created.ok) {
    throw SpanWriteError(FileError(created.cause, journal), RollBack(roster, spans, spans.size()));
  }
  try {
    FillFlushed(system, static_cast<int>(created.value), journal, {});
    Delete(system, journal);
  } catch (const FileError& e) {
    throw SpanWriteError(e, SpansLeft::Applied);
  }
}

// Whether every span holds its old or its new bytes.
bool HoldOldOrNew(PlayerFileState& roster, const std::vector<Span>& spans) {
  for (const SpanRun& run : RunsOf(spans, spans.size())) {
    const std::string bytes = roster.ReadBytes(run.begin, run.end - run.begin);
    for (std::size_t i = run.first; i < run.last; ++i) {
      const Span& span = spans[i];
      const std::string_view now = std::string_view(bytes).substr(
          std::min<std::size_t>(span.offset - run.begin, bytes.size()), span.oldBytes.size());
      if (now != span.oldBytes && now != span.newBytes) return false;
    }
  }
  return true;
}

}  // namespace

std::string JournalPath(const std::string& rosterPath) {
  std::error_code error;
  const std::filesystem::path resolved =
      std::filesystem::weakly_canonical(PathFromUtf8(rosterPath), error);
  return (error ? rosterPath : Utf8(resolved)) + "-journal";
}

bool JournalExists(const std::string& rosterPath) {
  std::error_code error;
  return std::filesystem::exists(PathFromUtf8(JournalPath(rosterPath)), error);
}

bool WriteSpansAllOrNothing(PlayerFileState& roster, const std::vector<Span>& spans,
                            bool (*stop)()) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  try {
    WriteFlushed(system, journal, Encode(roster.FileLength(), spans));
  } catch (const FileError&) {
    std::error_code ignored;
    std::filesystem::remove(PathFromUtf8(journal), ignored);
    throw;
  }
  std::size_t written = 0;  // spans written
  std::size_t tried = 0;    // and those of a run that failed
  try {
    for (const SpanRun& run : RunsOf(spans, spans.size())) {
      tried = run.last;
      WriteRun(roster, spans, run, false);
      written = run.last;
      if (stop && stop()) break;
    }
    if (written == spans.size()) roster.Sync();
  } catch (const FileError& e) {
    throw SpanWriteError(e, RollBack(roster, spans, tried));
  }
  if (written < spans.size()) {
    RollBackOrRaise(roster, spans, written);
    return false;
  }
  Commit(roster, spans);
  return true;
}

JournalUndo UndoJournal(PlayerFileState& roster, std::size_t* restored) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  const auto bytes = ReadJournal(system, journal);
  if (!bytes) return JournalUndo::None;
  const auto spans = Decode(*bytes);
  if (!spans) {
    Check(system.Remove(journal), journal);
    return JournalUndo::None;
  }
  if (!HoldOldOrNew(roster, *spans)) return JournalUndo::Mismatch;
  WriteBack(roster, *spans, spans->size());
  Discard(system, journal);
  if (restored) *restored = spans->size();
  return JournalUndo::Undone;
}

UndoReport UndoInterruptedImport(PlayerFileState& roster) {
  std::size_t restored = 0;
  switch (UndoJournal(roster, &restored)) {
    case JournalUndo::None: return {};
    case JournalUndo::Mismatch: return {kJournalMismatch, true};
    case JournalUndo::Undone: break;
  }
  return {"An interrupted import was undone: " + std::to_string(restored) + " fields restored.",
          false};
}

}  // namespace korvale
