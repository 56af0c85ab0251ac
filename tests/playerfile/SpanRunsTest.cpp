#include "SpanRuns.h"

#include <gtest/gtest.h>

#include <fstream>

#include "FaultyFileSystem.h"
#include "PlayerFileBuilder.h"
#include "RollbackJournal.h"

namespace korvale {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::ReadAll;
using testing::TempDir;

constexpr std::size_t kFileBytes = 3 * kRunBytes;

Span At(std::uint64_t offset, std::string bytes) { return {offset, {}, std::move(bytes)}; }

// What writing each span on its own, in order, leaves.
std::string WrittenOneByOne(std::string file, const std::vector<Span>& spans) {
  for (const Span& span : spans) file.replace(span.offset, span.newBytes.size(), span.newBytes);
  return file;
}

// Spans far enough apart to go to the roster in three writes.
std::vector<Span> ThreeApart() {
  return {At(10, "ab"), At(10 + 2 + kRunGap + 1, "cd"), At(kRunBytes * 2, "ef")};
}

class SpanRunsTest : public ::testing::Test {
 protected:
  SpanRunsTest() {
    for (std::size_t i = 0; i < kFileBytes; ++i) before.push_back(static_cast<char>(i * 7 % 251));
    std::ofstream(path, std::ios::binary) << before;
  }

  TempDir dir;
  const std::string path = (dir / "Roster.dbf").string();
  std::string before;
};

// Whatever the spans, the roster ends as field-by-field writes leave it,
// in as few writes as the runs they make.
TEST_F(SpanRunsTest, WritesWhatOneByOneWritesInOneWritePerRun) {
  std::vector<Span> everyRecord;  // a rating in each record, over two runs' worth
  for (std::uint64_t at = 0; at + 3 < kRunBytes + 1000; at += kRecordLength) {
    everyRecord.push_back(At(at + 100, "x1 "));
  }
  const struct {
    const char* name;
    std::vector<Span> spans;
    int writes;
  } cases[] = {
      {"fields of a record", {At(700, "12 "), At(730, "34 "), At(710, "56")}, 1},
      {"a later span overlaps an earlier one", {At(2000, ":CAAA1  "), At(2002, "XY")}, 1},
      {"a span before the run joins it", {At(5000, "a"), At(1000, "b")}, 1},
      {"far apart", ThreeApart(), 3},
      {"longer than a run", everyRecord, 2},
  };
  for (const auto& c : cases) {
    std::ofstream(path, std::ios::binary) << before;
    FaultyFileSystem faulty;
    PlayerFileState roster(faulty);
    roster.OpenPlayerFile(path);
    std::vector<Span> spans = c.spans;
    ReadOldBytes(roster, spans);
    EXPECT_TRUE(WriteSpansAllOrNothing(roster, spans)) << c.name;
    roster.ClosePlayerFile();
    EXPECT_EQ(ReadAll(path), WrittenOneByOne(before, spans)) << c.name;
    // The journal's write is not the roster's.
    EXPECT_EQ(faulty.Calls(FileOp::Write) - 1, c.writes) << c.name;
    EXPECT_FALSE(JournalExists(path)) << c.name;
  }
}

// A write cut short or a stop between writes leaves the roster as it was.
TEST_F(SpanRunsTest, AFailedWriteOrAStopUndoesTheRunsWritten) {
  for (int failing = 0; failing <= 3; ++failing) {  // 3: a stop after the first run
    FaultyFileSystem faulty;
    if (failing < 3) faulty.CutOneWrite(1, 1 + failing);  // one byte stored, then a full disk
    PlayerFileState roster(faulty);
    roster.OpenPlayerFile(path);
    std::vector<Span> spans = ThreeApart();
    ReadOldBytes(roster, spans);
    if (failing < 3) {
      EXPECT_THROW(WriteSpansAllOrNothing(roster, spans), FileError) << failing;
    } else {
      EXPECT_FALSE(WriteSpansAllOrNothing(roster, spans, [] { return true; }));
      EXPECT_EQ(faulty.Calls(FileOp::Write), 1 + 1 + 1);  // journal, run, undo
    }
    roster.ClosePlayerFile();
    EXPECT_EQ(ReadAll(path), before) << failing;
    EXPECT_FALSE(JournalExists(path)) << failing;
  }
}

}  // namespace
}  // namespace korvale
