#include "RosterOpen.h"

#include <filesystem>
#include <system_error>

#include "DbaseHeader.h"
#include "RollbackJournal.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

constexpr char kEndOfFile = 0x1A;
constexpr const char* kUndoFirst = "An interrupted import must be undone first.";

// A folder, a device or a FIFO is named as such, not as a denied access.
void RefuseNonRegular(const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(path), ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw RosterRefused(path + " is not a regular file.");
  }
}

// Lets a file go at once, before anything else is read from it, unless its
// header says a player file.
void RequirePlayerFile(PlayerFileState& file) {
  try {
    file.CheckPlayerFile();
  } catch (const FileError&) {
    try {
      file.ClosePlayerFile();
    } catch (const FileError&) {  // the refusal is what the user needs to see
    }
    throw;
  }
}

void Undo(PlayerFileState& file, std::ostream& err) {
  const UndoReport undo = UndoInterruptedImport(file);
  if (undo.stops) throw JournalStop(undo.message);
  if (!undo.message.empty()) err << undo.message << '\n';
}

// Reopens a roster held shared exclusively; false (held shared again)
// when another process or the medium refuses.
bool ReopenExclusively(PlayerFileState& file, const std::string& path) {
  file.ClosePlayerFile();
  try {
    file.OpenPlayerFile(path);
    return true;
  } catch (const FileError&) {
    file.OpenPlayerFileToRead(path);
    return false;
  }
}

}  // namespace

void OpenRoster(PlayerFileState& file, const std::string& path, bool write, std::ostream& err) {
  RefuseNonRegular(path);
  if (write) {
    file.OpenPlayerFile(path);
    RequirePlayerFile(file);
    Undo(file, err);
    return;
  }
  file.OpenPlayerFileToRead(path);
  RequirePlayerFile(file);
  if (!JournalExists(path)) return;
  if (!ReopenExclusively(file, path)) {
    file.ClosePlayerFile();
    throw JournalStop(kUndoFirst);
  }
  Undo(file, err);
  file.ClosePlayerFile();
  file.OpenPlayerFileToRead(path);
}

std::optional<std::string> OpenRosterToCheck(PlayerFileState& file, const std::string& path,
                                             std::ostream& err) {
  RefuseNonRegular(path);
  file.OpenPlayerFileToRead(path);
  if (!JournalExists(path)) return std::nullopt;
  const std::string left = "journal: " + JournalPath(path) + " lies beside the file: ";
  if (!IsPlayerFileHeader(file.ReadBytes(0, kDbaseHeaderLength))) {
    return left + "an interrupted import's journal beside a file that is not a player file";
  }
  if (!ReopenExclusively(file, path)) return left + kUndoFirst;
  const UndoReport undo = UndoInterruptedImport(file);
  file.ClosePlayerFile();
  file.OpenPlayerFileToRead(path);
  if (undo.stops) return left + undo.message;
  if (!undo.message.empty()) err << undo.message << '\n';
  return std::nullopt;
}

std::optional<std::string> CutShortRecord(std::uint64_t length, char lastByte) {
  const std::uint64_t body = length > kDbaseHeaderLength ? length - kDbaseHeaderLength : 0;
  const std::uint64_t rest = body % kRecordLength;
  if (rest == 0 || (rest == 1 && lastByte == kEndOfFile)) return std::nullopt;
  return "record " + std::to_string(body / kRecordLength) +
         " is cut short: " + std::to_string(rest) + " of " + std::to_string(kRecordLength) +
         " bytes";
}

void WarnIfCutShort(PlayerFileState& file, std::ostream& err) {
  const std::uint64_t length = file.FileLength();
  if (length <= kDbaseHeaderLength) return;
  const std::string last = file.ReadBytes(length - 1, 1);
  if (const auto cut = CutShortRecord(length, last.empty() ? '\0' : last[0])) {
    err << "korvale-cli: warning: " << *cut << '\n';
  }
}

}  // namespace korvale::cli
