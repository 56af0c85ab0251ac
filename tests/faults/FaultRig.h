#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QStringList>
#include <ostream>

#include "ScopedVariable.h"
#include "ViewHarness.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '{' << list.join(" | ").toStdString() << '}';
}

namespace korvale::testing {

// Which file a call acts on: the roster, its change history, or another
// (an output file, its temporary, its folder).
enum class On { Roster, History, Output };

// One editor window and one korvale-cli run on one player file, on a file
// system that fails on request. A table row drives either.
struct FaultRig {
  explicit FaultRig(const std::string& bytes);

  // Selects the file through the view, fault-free, and shows the window.
  void Select();
  // korvale-cli in-process on this rig's file system.
  void RunCli(const std::vector<std::string>& args);
  // The file errors reported: the view's stop messages and the errors
  // korvale-cli wrote, without its "korvale-cli: " prefix.
  [[nodiscard]] QStringList Reported() const;
  [[nodiscard]] std::string Bytes() const { return ReadAll(path); }
  [[nodiscard]] std::string Path() const { return path.string(); }
  // The roster's change history, kept in the rig's own folder.
  [[nodiscard]] std::filesystem::path HistoryFile() const;
  // Which file a call acted on.
  [[nodiscard]] On FileOf(const FaultyFileSystem::Call& call) const;
  void ForgetMessages();

  ViewHarness h;
  std::filesystem::path path;
  ScopedVariable historyFolder;
  int code = -1;  // korvale-cli's exit code
  std::string out;
  std::string err;
};

// Five players with every field accepted by the pages:
//   0 Moss, Eli  101 team 2 slot 4     3 Dunn, Kim  104 team 2 slot 1
//   1 Avery, Tom 102 team 4 slot 0     4 Bell, Ann  101 team 4 slot 2
//   2 Cole, Ray  103 team 2 slot 0
// Height 80 everywhere; PlayerPkg ":BCDE" (appearance codes apply); playable.
[[nodiscard]] std::string FivePlayers();

}  // namespace korvale::testing
