#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "CKorvaleView.h"
#include "FaultTable.h"
#include "HistoryLog.h"
#include "ViewState.h"

namespace korvale::testing {
namespace {

struct Case {
  const Handler* handler;
  Cell cell;
};

FileOp OpOf(Fault fault) {
  switch (fault) {
    case Fault::Open: return FileOp::Open;
    case Fault::Seek: return FileOp::Seek;
    case Fault::Read: return FileOp::Read;
    case Fault::Write:
    case Fault::ShortWrite: return FileOp::Write;
    case Fault::Length: return FileOp::Length;
    case Fault::Close: return FileOp::Close;
    case Fault::Sync: return FileOp::Sync;
    case Fault::Create: return FileOp::Create;
    case Fault::Rename: return FileOp::Rename;
    case Fault::PowerCut: break;  // any call
  }
  return FileOp::Open;
}

// The cause each fault is given, and the message that names it.
FileErrorCause CauseOf(Fault fault) {
  switch (fault) {
    case Fault::Open: return FileErrorCause::SharingViolation;
    case Fault::Seek: return FileErrorCause::HardwareIo;
    case Fault::Read: return FileErrorCause::AccessDenied;
    case Fault::Write: return FileErrorCause::HardwareIo;
    case Fault::ShortWrite: return FileErrorCause::DiskFull;
    case Fault::Length: return FileErrorCause::InvalidHandle;
    case Fault::Close: return FileErrorCause::Unknown;
    case Fault::Sync:
    case Fault::PowerCut: return FileErrorCause::HardwareIo;
    case Fault::Create: return FileErrorCause::AccessDenied;
    case Fault::Rename: return FileErrorCause::DiskFull;
  }
  return FileErrorCause::Unknown;
}

// korvale-cli on Linux says what a lock held elsewhere means; the editor
// keeps the Windows wording everywhere.
QString Message(Fault fault, const std::string& path, [[maybe_unused]] bool cli) {
  const QString full = QString::fromStdString(path);
  switch (fault) {
    case Fault::Open:
#ifndef _WIN32
      if (cli) return "Another program has " + full + " open.";
#endif
      return "A sharing violation occurred while accessing " + full + ".";
    case Fault::Seek: return "A hardware I/O error was reported while accessing an unnamed file.";
    case Fault::Read: return "Access to an unnamed file was denied.";
    case Fault::Write:
    case Fault::Sync:
    case Fault::PowerCut: return "A hardware I/O error was reported while accessing " + full + ".";
    case Fault::ShortWrite: return "Disk full while accessing " + full + ".";
    case Fault::Length: return "An invalid file handle was associated with an unnamed file.";
    case Fault::Close: return "An unknown error occurred while accessing an unnamed file.";
    case Fault::Create:
    case Fault::Rename: break;  // not of the roster
  }
  return {};
}

// Brings a rig to the moment just before the handler runs.
void Arrange(FaultRig& rig, const Handler& handler) {
  if (handler.selected) rig.Select();
  if (handler.arrange) handler.arrange(rig);
  rig.ForgetMessages();
  rig.h.files.ClearLog();
}

// Which call the cell fails, counted in a fault-free run among the calls of
// its operation (a power cut: among all calls, at the first on the file or
// at its last write), on the roster and the other files alike.
int SkipFor(const FaultRig& rig, const Cell& cell, const std::vector<FaultyFileSystem::Call>& log) {
  std::vector<int> onFile;  // the calls on the cell's file, by their count
  int counted = 0;
  const std::uint64_t offset = Field(cell.field).OffsetIn(cell.record);
  for (const auto& call : log) {
    if (cell.fault != Fault::PowerCut && call.op != OpOf(cell.fault)) continue;
    const bool atField = cell.at != At::Field || call.position == offset;
    const bool lastWrite = cell.fault != Fault::PowerCut || cell.at != At::Last;
    if (rig.FileOf(call) == cell.on && atField && (lastWrite || call.op == FileOp::Write)) {
      onFile.push_back(counted);
    }
    ++counted;
  }
  if (onFile.empty()) return -1;
  return cell.at == At::Last ? onFile.back() : onFile.front();
}

// How many bytes a cut write stores: half of the roster's field, or nothing
// of one byte; a piece of a change set.
std::size_t CutSize(const FaultRig& rig, const Handler& handler, const Cell& cell, int skip,
                    const std::vector<FaultyFileSystem::Call>& log) {
  if (cell.on != On::Roster) return 10;
  std::size_t rosterWrites = 0;
  for (const auto& call : log) {
    if (call.op != FileOp::Write) continue;
    if (skip-- == 0) break;
    rosterWrites += rig.FileOf(call) == On::Roster ? 1 : 0;
  }
  return handler.writes.at(rosterWrites).bytes.size() / 2;
}

// The file as it must be: the bytes before, with the handler's writes in
// as far as the file system stored them (all of the writes that went
// through, the stored part of a cut one, nothing of a failed one).
std::string Expected(const FaultRig& rig, std::string bytes, const Handler& handler,
                     const std::vector<FaultyFileSystem::Call>& log) {
  std::size_t next = 0;
  for (const auto& call : log) {
    if (call.op != FileOp::Write || rig.FileOf(call) != On::Roster) continue;
    EXPECT_LT(next, handler.writes.size()) << "an unexpected write at " << call.position;
    if (next >= handler.writes.size()) break;
    const Written& w = handler.writes[next++];
    EXPECT_EQ(call.position, Field(w.field).OffsetIn(w.record));
    if (!call.failed) bytes.replace(call.position, call.stored, w.bytes.substr(0, call.stored));
  }
  return bytes;
}

// The change sets the history holds, oldest first: how each is marked and
// who its record was ("applied Moss").
QStringList HistoryHeld(const FaultRig& rig) {
  QStringList held;
  const history::HistoryLog log(rig.Path());
  for (const history::HistoryEntry& entry : log.Scan().entries) {
    if (entry.damaged) {
      held << "damaged";
      continue;
    }
    const history::ChangeSet set = log.ReadSet(entry);
    const QString who = QString::fromStdString(set.players.at(0).lastName).trimmed();
    switch (entry.state) {
      case history::SetState::Applied: held << "applied " + who; break;
      case history::SetState::NotApplied: held << "not applied " + who; break;
      case history::SetState::Unmarked: held << "unmarked " + who; break;
    }
  }
  return held;
}

// What the history must hold after the fault. A commit appends its set
// (with who the record was) before it writes the field, and marks it once
// the write went through or failed. An append that failed or lost the
// power leaves nothing behind; one whose flush failed, or whose mark the
// power cut, leaves its set unmarked.
QStringList HistoryAfter(const FaultRig& rig, const Handler& handler, const Cell& cell,
                         const std::vector<FaultyFileSystem::Call>& log) {
  if (cell.on == On::History) {
    const bool appended =
        cell.fault == Fault::Sync || (cell.fault == Fault::PowerCut && cell.at == At::Last);
    return appended ? QStringList("unmarked Moss") : QStringList();
  }
  bool appended = false;
  bool whole = false;
  for (const auto& call : log) {
    if (call.op != FileOp::Write || call.failed) continue;
    appended = appended || rig.FileOf(call) == On::History;
    if (rig.FileOf(call) == On::Roster) {
      whole = call.stored == handler.writes.front().bytes.size();
    }
  }
  if (!appended) return {};
  return QStringList(whole ? "applied Moss" : "not applied Moss");
}

// What the user is told: a file error of the roster stops the handler; an
// append to the history that fails does not stop the commit, and is the
// editor's one warning of the session; a power cut stops the write of the
// field, and no history warning comes with the stop.
struct Told {
  QStringList stops;
  QStringList warnings;
};

// What korvale-cli says of the cause a fault of a whole output file is given.
QString OutputCause(Fault fault) {
  switch (fault) {
    case Fault::Create: return "Permission denied";
    case Fault::ShortWrite:
    case Fault::Rename: return "No space left on device";
    default: return "Input/output error";
  }
}

Told TellsOf(const FaultRig& rig, const Handler& handler, const Cell& cell) {
  if (cell.on == On::Roster) return {{Message(cell.fault, rig.Path(), handler.cli)}, {}};
  if (cell.on == On::Output) {
    const QString output = QString::fromStdString((rig.h.dir / handler.output).string());
    return {{handler.cannotWrite.arg(output, OutputCause(cell.fault))}, {}};
  }
  if (cell.fault == Fault::PowerCut) {
    if (cell.at == At::Last) return {};
    return {{Message(Fault::Seek, rig.Path(), false)}, {}};
  }
  const std::string history = rig.HistoryFile().string();
  return {{},
          {"The change history " + QString::fromStdString(history) +
           " could not be written: " + Message(cell.fault, history, false) +
           "\n\nThe change is made, but it cannot be taken back with korvale-cli undo."}};
}

ViewState WithoutPath(ViewState state) {
  state.erase("file");
  return state;
}

class FaultTableTest : public ::testing::TestWithParam<Case> {};

TEST_P(FaultTableTest, ReportsKeepsWhatWasDoneAndRecovers) {
  const Handler& handler = *GetParam().handler;
  const Cell& cell = GetParam().cell;
  const std::string start = FivePlayers();

  int skip = -1;
  std::size_t cut = 0;
  {
    FaultRig probe(start);
    Arrange(probe, handler);
    handler.act(probe);
    ASSERT_TRUE(probe.Reported().isEmpty()) << probe.Reported().join('\n').toStdString();
    skip = SkipFor(probe, cell, probe.h.files.Log());
    ASSERT_GE(skip, 0) << "the handler never makes this call";
    if (cell.fault == Fault::ShortWrite)
      cut = CutSize(probe, handler, cell, skip, probe.h.files.Log());
  }

  FaultRig rig(start);
  Arrange(rig, handler);
  const std::string before = rig.Bytes();
  const std::filesystem::path output = rig.h.dir / handler.output;
  const bool outputWas = !handler.output.empty() && std::filesystem::exists(output);
  const std::string outputBefore = outputWas ? ReadAll(output) : std::string();
  if (cell.fault == Fault::ShortWrite) {
    rig.h.files.CutOneWrite(cut, skip);
  } else if (cell.fault == Fault::PowerCut) {
    rig.h.files.CutPower(skip);
  } else {
    rig.h.files.Fail(OpOf(cell.fault), CauseOf(cell.fault), skip, 1);
  }
  handler.act(rig);

  const Told told = TellsOf(rig, handler, cell);
  EXPECT_EQ(rig.Reported(), told.stops);
  EXPECT_EQ(QtTexts(rig.h.messages.warnings), told.warnings);
  EXPECT_EQ(rig.Bytes(), Expected(rig, before, handler, rig.h.files.Log()));
  EXPECT_EQ(HistoryHeld(rig), HistoryAfter(rig, handler, cell, rig.h.files.Log()));
  if (cell.on == On::Output) {  // the old file (or none) and no temporary beside it
    EXPECT_EQ(std::filesystem::exists(output), outputWas);
    if (outputWas) {
      EXPECT_EQ(ReadAll(output), outputBefore);
    }
    for (const auto& entry : std::filesystem::directory_iterator(rig.path.parent_path())) {
      EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
  }
  handler.kept(rig, cell);

  // Close still works, and the handler succeeds once the fault is gone.
  rig.h.files.Clear();
  rig.ForgetMessages();
  if (!handler.cli && rig.h.view->File().IsSelected()) {
    rig.h.view->Close();
    EXPECT_TRUE(rig.Reported().isEmpty());
    EXPECT_EQ(rig.h.Enabled(), "S---");
  }
  const std::string retried = rig.Bytes();
  Arrange(rig, handler);
  handler.act(rig);
  EXPECT_TRUE(rig.Reported().isEmpty()) << rig.Reported().join('\n').toStdString();
  FaultRig fresh(retried);
  Arrange(fresh, handler);
  handler.act(fresh);
  EXPECT_EQ(rig.Bytes(), fresh.Bytes());
  EXPECT_EQ(rig.out, fresh.out);
  EXPECT_EQ(rig.code, fresh.code);
  if (!handler.cli) {
    EXPECT_EQ(DescribeDifferences(WithoutPath(CaptureView(*rig.h.view)),
                                  WithoutPath(CaptureView(*fresh.h.view))),
              "");
  }
}

// A commit whose field the file no longer holds whole (another program cut
// the file while the editor showed the record) writes nothing at all.
class BeyondTheEndTest : public ::testing::TestWithParam<const Handler*> {};

TEST_P(BeyondTheEndTest, WritesNothingAndSaysSo) {
  const Handler& handler = *GetParam();
  FaultRig rig(FivePlayers());
  Arrange(rig, handler);
  const Written& w = handler.writes.front();
  const std::uint64_t cut = Field(w.field).OffsetIn(w.record) + w.bytes.size() - 1;
  std::filesystem::resize_file(rig.path, cut);
  const std::string before = rig.Bytes();
  handler.act(rig);
  EXPECT_EQ(rig.Reported(),
            QStringList("The record lies beyond the end of " + QString::fromStdString(rig.Path()) +
                        "; nothing was written."));
  EXPECT_EQ(rig.Bytes(), before);
  rig.ForgetMessages();
  rig.h.view->Close();
  EXPECT_TRUE(rig.Reported().isEmpty());
}

std::vector<const Handler*> Commits() {
  std::vector<const Handler*> commits;
  for (const Handler& handler : FaultTable()) {
    if (!handler.cli && !handler.writes.empty()) commits.push_back(&handler);
  }
  return commits;
}

INSTANTIATE_TEST_SUITE_P(Commits, BeyondTheEndTest, ::testing::ValuesIn(Commits()),
                         [](const auto& info) { return info.param->name; });

// A row's cells are exactly the operations its handler uses.
TEST(FaultTable, EveryRowHasACellForEachOperationItsHandlerUses) {
  for (const Handler& handler : FaultTable()) {
    const bool ofRoster = std::any_of(handler.cells.begin(), handler.cells.end(),
                                      [](const Cell& c) { return c.on == On::Roster; });
    if (!ofRoster) continue;  // a row of another file's calls only
    FaultRig probe(FivePlayers());
    Arrange(probe, handler);
    handler.act(probe);
    std::set<FileOp> used;
    for (const auto& call : probe.h.files.Log()) {
      if (probe.FileOf(call) == On::Roster) used.insert(call.op);
    }
    std::set<FileOp> cells;
    for (const Cell& c : handler.cells) {
      if (c.on == On::Roster) cells.insert(OpOf(c.fault));
    }
    auto names = [](const std::set<FileOp>& ops) {
      std::string text;
      for (FileOp op : ops) text += std::to_string(static_cast<int>(op)) + " ";
      return text;
    };
    EXPECT_EQ(names(used), names(cells)) << handler.name;
    EXPECT_EQ(probe.Bytes(), Expected(probe, FivePlayers(), handler, probe.h.files.Log()))
        << handler.name;
  }
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (const Handler& handler : FaultTable()) {
    for (const Cell& cell : handler.cells) cases.push_back({&handler, cell});
  }
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  const Cell& c = info.param.cell;
  std::string name = info.param.handler->name + "_" + FaultName(c.fault);
  if (c.at == At::Last) name += "Last";
  if (c.at == At::Field) name += "AtRecord" + std::to_string(c.record);
  if (c.on == On::History) name += "OfHistory";
  if (c.on == On::Output) name += "OfOutput";
  return name;
}

INSTANTIATE_TEST_SUITE_P(Handlers, FaultTableTest, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
}  // namespace korvale::testing
