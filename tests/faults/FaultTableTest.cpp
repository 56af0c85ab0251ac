#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "CKorvaleView.h"
#include "FaultTable.h"
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
    case Fault::Write: return "A hardware I/O error was reported while accessing " + full + ".";
    case Fault::ShortWrite: return "Disk full while accessing " + full + ".";
    case Fault::Length: return "An invalid file handle was associated with an unnamed file.";
    case Fault::Close: return "An unknown error occurred while accessing an unnamed file.";
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

// Which call of the operation the cell fails, counted in a fault-free run.
int SkipFor(const Cell& cell, const std::vector<FaultyFileSystem::Call>& log) {
  std::vector<FaultyFileSystem::Call> calls;
  for (const auto& call : log) {
    if (call.op == OpOf(cell.fault)) calls.push_back(call);
  }
  if (calls.empty()) return -1;
  if (cell.at == At::First) return 0;
  if (cell.at == At::Last) return static_cast<int>(calls.size()) - 1;
  const std::uint64_t offset = Field(cell.field).OffsetIn(cell.record);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    if (calls[i].position == offset) return static_cast<int>(i);
  }
  return -1;
}

// The file as it must be: the bytes before, with the handler's writes in
// as far as the file system stored them (all of the writes that went
// through, the stored part of a cut one, nothing of a failed one).
std::string Expected(std::string bytes, const Handler& handler,
                     const std::vector<FaultyFileSystem::Call>& log) {
  std::size_t next = 0;
  for (const auto& call : log) {
    if (call.op != FileOp::Write) continue;
    EXPECT_LT(next, handler.writes.size()) << "an unexpected write at " << call.position;
    if (next >= handler.writes.size()) break;
    const Written& w = handler.writes[next++];
    EXPECT_EQ(call.position, Field(w.field).OffsetIn(w.record));
    if (!call.failed) bytes.replace(call.position, call.stored, w.bytes.substr(0, call.stored));
  }
  return bytes;
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

  std::vector<FaultyFileSystem::Call> probeLog;
  {
    FaultRig probe(start);
    Arrange(probe, handler);
    handler.act(probe);
    ASSERT_TRUE(probe.Reported().isEmpty()) << probe.Reported().join('\n').toStdString();
    probeLog = probe.h.files.Log();
  }
  const int skip = SkipFor(cell, probeLog);
  ASSERT_GE(skip, 0) << "the handler never makes this call";

  FaultRig rig(start);
  Arrange(rig, handler);
  const std::string before = rig.Bytes();
  if (cell.fault == Fault::ShortWrite) {  // half of the field goes in, or nothing of one byte
    rig.h.files.CutOneWrite(handler.writes.at(static_cast<std::size_t>(skip)).bytes.size() / 2,
                            skip);
  } else {
    rig.h.files.Fail(OpOf(cell.fault), CauseOf(cell.fault), skip, 1);
  }
  handler.act(rig);

  EXPECT_EQ(rig.Reported(), QStringList(Message(cell.fault, rig.Path(), handler.cli)));
  EXPECT_TRUE(rig.h.messages.warnings.isEmpty());
  EXPECT_EQ(rig.Bytes(), Expected(before, handler, rig.h.files.Log()));
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
    FaultRig probe(FivePlayers());
    Arrange(probe, handler);
    handler.act(probe);
    std::set<FileOp> used;
    for (const auto& call : probe.h.files.Log()) used.insert(call.op);
    std::set<FileOp> cells;
    for (const Cell& c : handler.cells) cells.insert(OpOf(c.fault));
    auto names = [](const std::set<FileOp>& ops) {
      std::string text;
      for (FileOp op : ops) text += std::to_string(static_cast<int>(op)) + " ";
      return text;
    };
    EXPECT_EQ(names(used), names(cells)) << handler.name;
    EXPECT_EQ(probe.Bytes(), Expected(FivePlayers(), handler, probe.h.files.Log())) << handler.name;
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
  return name;
}

INSTANTIATE_TEST_SUITE_P(Handlers, FaultTableTest, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
}  // namespace korvale::testing
