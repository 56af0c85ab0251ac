#include "RosterSession.h"

#include "PathKind.h"
#include "ReplacingOutput.h"
#include "Utf8Path.h"

namespace korvale {
namespace {

// Lets the file go, keeping the error that made it go.
void LetGo(PlayerFileState& file) {
  try {
    file.ClosePlayerFile();
  } catch (const FileError&) {  // the refusal is what the user needs to see
  }
}

// Lets a file go at once, before anything else is read from it, unless its
// header says a player file.
void RequirePlayerFile(PlayerFileState& file) {
  try {
    file.CheckPlayerFile();
  } catch (const FileError&) {
    LetGo(file);
    throw;
  }
}

// The journal's part of the sequence on a roster held exclusively.
UndoReport Undo(PlayerFileState& file) {
  RemoveLeftTemporaries(PathFromUtf8(file.FilePath()));
  UndoReport report = UndoInterruptedImport(file);
  if (report.stops) LetGo(file);
  return report;
}

}  // namespace

UndoReport OpenRosterToWrite(PlayerFileState& file, const std::string& path) {
  file.OpenPlayerFile(path);
  RequirePlayerFile(file);
  return Undo(file);
}

UndoReport OpenRosterToRead(PlayerFileState& file, const std::string& path) {
  file.OpenPlayerFileToRead(path);
  RequirePlayerFile(file);
  RemoveLeftTemporaries(PathFromUtf8(path));
  if (!JournalExists(path)) return {};
  if (auto foreign = ForeignJournal(path)) {
    LetGo(file);
    return {*foreign, true};
  }
  file.ClosePlayerFile();
  try {
    file.OpenPlayerFile(path);
  } catch (const FileError&) {
    return {kUndoFirst, true};
  }
  UndoReport report = Undo(file);
  if (report.stops) return report;
  file.ClosePlayerFile();
  file.OpenPlayerFileToRead(path);
  return report;
}

std::optional<std::string> SharedRoster(const std::string& path) {
  const std::uintmax_t names = NamesOf(path);
  if (names <= 1) return std::nullopt;
  return path + " has " + std::to_string(names) +
         " names (hard links): a journal beside one name cannot protect the others, and a "
         "write in place changes every copy that shares the file (a backup made with hard "
         "links included). To make it a file of its own, copy it to a new name, then move the "
         "copy over " +
         path + ".";
}

}  // namespace korvale
