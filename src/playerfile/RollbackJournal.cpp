#include "RollbackJournal.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "LargePages.h"
#include "LittleEndian.h"
#include "PathKind.h"
#include "SmallCopy.h"
#include "SpanRuns.h"
#include "Utf8Path.h"
#include "WordHash.h"

namespace korvale {
namespace {

// A journal starts with its mark. An earlier Korvale wrote "KVJ1" with a
// byte-wise checksum: a journal it left is still undone.
constexpr std::string_view kMagic = "KVJ2";
constexpr std::string_view kByteSumMagic = "KVJ1";

std::uint32_t ByteChecksum(std::string_view bytes) {
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
  char* at = CopySmall(out.data(), kMagic);
  at = PutLittleEndian(at, length, 8);
  at = PutLittleEndian(at, spans.size(), 4);
  for (const Span& span : spans) {
    at = PutLittleEndian(at, span.offset, 8);
    at = PutLittleEndian(at, span.oldBytes.size(), 4);
    at = CopySmall(at, span.oldBytes);
    at = CopySmall(at, span.newBytes);
  }
  PutLittleEndian(at, WordChecksum(std::string_view(out).substr(0, size - 4)), 4);
  return out;
}

// A complete journal whose checksum holds.
struct Decoded {
  std::uint64_t rosterLength = 0;  // the roster's length when it was written
  std::vector<Span> spans;
};

// The journal's contents; nullopt when it is cut short or damaged.
std::optional<Decoded> Decode(std::string_view bytes) {
  if (bytes.size() < kMagic.size() + 16) return std::nullopt;
  const std::string_view magic = bytes.substr(0, kMagic.size());
  if (magic != kMagic && magic != kByteSumMagic) return std::nullopt;
  const std::string_view body = bytes.substr(0, bytes.size() - 4);
  LittleEndianReader tail{bytes.substr(body.size())};
  const std::uint32_t sum = magic == kMagic ? WordChecksum(body) : ByteChecksum(body);
  if (tail.Number(4) != sum) return std::nullopt;
  LittleEndianReader r{body, kMagic.size()};
  Decoded decoded;
  decoded.rosterLength = r.Number(8);
  std::vector<Span>& spans = decoded.spans;
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
  return decoded;
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

// Writes the bytes to a new file of our own at `path` (nothing that stands
// there already is opened) and flushes it and its folder. A file it
// created and could not fill is deleted again.
void WriteFlushed(FileSystem& system, const std::string& path, std::string_view bytes) {
  const SysResult created = system.Create(path);
  Check(created, path);
  try {
    FillFlushed(system, static_cast<int>(created.value), path, bytes);
  } catch (const FileError&) {
    (void)system.Remove(path);
    throw;
  }
}

// Deletes the journal; once its folder is flushed, the deletion holds.
void Discard(FileSystem& system, const std::string& path) {
  Check(system.Remove(path), path);
  Check(system.SyncFolder(Folder(path)), path);
}

std::string ReadJournal(FileSystem& system, const std::string& path) {
  const SysResult opened = system.OpenOwn(path);
  Check(opened, path);
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

// Makes the written spans final by deleting the journal. While it cannot
// be deleted it is whole, and the spans are undone.
void Commit(PlayerFileState& roster, const std::vector<Span>& spans) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  const SysResult removed = system.Remove(journal);
  if (!removed.ok) {
    throw SpanWriteError(FileError(removed.cause, journal), RollBack(roster, spans, spans.size()));
  }
  Check(system.SyncFolder(Folder(journal)), journal);
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
  return KindAt(JournalPath(rosterPath)) != PathKind::None;
}

std::optional<std::string> ForeignJournal(const std::string& rosterPath) {
  const std::string journal = JournalPath(rosterPath);
  const PathKind kind = KindAt(journal);
  if (kind == PathKind::None || kind == PathKind::Regular) return std::nullopt;
  return journal + " stands where the roster's journal belongs, but it is " +
         std::string(DescribeKind(kind)) +
         ", not a journal: nothing was written, created or deleted. Move it away to use the "
         "roster.";
}

bool WriteSpansAllOrNothing(PlayerFileState& roster, const std::vector<Span>& spans,
                            bool (*stop)()) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  WriteFlushed(system, journal, Encode(roster.FileLength(), spans));
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
  try {
    Commit(roster, spans);
  } catch (const SpanWriteError&) {
    throw;
  } catch (const FileError& e) {
    throw SpanWriteError(e, SpansLeft::Applied);
  }
  return true;
}

JournalUndo UndoJournal(PlayerFileState& roster, std::size_t* restored) {
  FileSystem& system = roster.System();
  const std::string journal = JournalPath(roster.FilePath());
  const PathKind kind = KindAt(journal);
  if (kind == PathKind::None) return JournalUndo::None;
  if (kind != PathKind::Regular) return JournalUndo::Foreign;
  const auto decoded = Decode(ReadJournal(system, journal));
  if (!decoded) {
    Check(system.Remove(journal), journal);
    return JournalUndo::None;
  }
  if (decoded->rosterLength != roster.FileLength() || !HoldOldOrNew(roster, decoded->spans)) {
    return JournalUndo::Mismatch;
  }
  WriteBack(roster, decoded->spans, decoded->spans.size());
  if (restored) *restored = decoded->spans.size();
  try {
    Discard(system, journal);
  } catch (const FileError& e) {
    throw JournalLeft(e);
  }
  return JournalUndo::Undone;
}

UndoReport UndoInterruptedImport(PlayerFileState& roster) {
  std::size_t restored = 0;
  const std::string undone = "An interrupted import was undone: ";
  try {
    switch (UndoJournal(roster, &restored)) {
      case JournalUndo::None: return {};
      case JournalUndo::Mismatch: return {kJournalMismatch, true};
      case JournalUndo::Foreign: return {*ForeignJournal(roster.FilePath()), true};
      case JournalUndo::Undone: break;
    }
  } catch (const JournalLeft& e) {
    return {undone + std::to_string(restored) + " fields restored. The roster is fine, but " +
                e.Message() + " Delete " + e.FileName() +
                " by hand (it holds nothing the roster needs) before the next import.",
            true};
  }
  return {undone + std::to_string(restored) + " fields restored.", false};
}

}  // namespace korvale
