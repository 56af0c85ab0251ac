#include "RosterOpen.h"

#include <filesystem>
#include <system_error>

#include "DbaseHeader.h"
#include "ProgramStart.h"
#include "RollbackJournal.h"
#include "RosterSession.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

constexpr char kEndOfFile = 0x1A;

// A folder, a device or a FIFO is named as such, not as a denied access.
void RefuseNonRegular(const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(PathFromUtf8(path), ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    throw RosterRefused(path + " is not a regular file.");
  }
}

// Standard output that is the roster itself (a shell's >, >> or 1<>)
// would write a table or a summary into it.
void RefuseOutputIntoRoster(const std::string& path) {
  if (StandardOutputIs(path)) {
    throw RosterRefused("standard output is the roster " + path + "; nothing was written");
  }
}

void Report(const UndoReport& report, std::ostream& err) {
  if (report.stops) throw JournalStop(report.message);
  if (!report.message.empty()) err << report.message << '\n';
}

}  // namespace

void OpenRoster(PlayerFileState& file, const std::string& path, bool write, std::ostream& err) {
  RefuseNonRegular(path);
  RefuseOutputIntoRoster(path);
  if (!write) return Report(OpenRosterToRead(file, path), err);
  if (auto shared = SharedRoster(path)) throw RosterRefused(*shared + " Nothing was written.");
  Report(OpenRosterToWrite(file, path), err);
}

std::optional<std::string> OpenRosterToCheck(PlayerFileState& file, const std::string& path,
                                             std::ostream& err) {
  RefuseNonRegular(path);
  RefuseOutputIntoRoster(path);
  file.OpenPlayerFileToRead(path);
  if (!JournalExists(path)) return std::nullopt;
  const std::string left = "journal: " + JournalPath(path) + " lies beside the file: ";
  if (auto foreign = ForeignJournal(path)) return "journal: " + *foreign;
  if (!IsPlayerFileHeader(file.ReadBytes(0, kDbaseHeaderLength))) {
    return left + "an interrupted import's journal beside a file that is not a player file";
  }
  file.ClosePlayerFile();
  UndoReport undo;
  try {
    undo = OpenRosterToWrite(file, path);
  } catch (const FileError&) {
    file.OpenPlayerFileToRead(path);
    return left + kUndoFirst;
  }
  if (file.IsSelected()) file.ClosePlayerFile();
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
