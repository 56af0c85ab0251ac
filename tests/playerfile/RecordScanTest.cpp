#include <gtest/gtest.h>

#include "FaultyFileSystem.h"
#include "PlayerFileBuilder.h"
#include "RecordScan.h"

namespace korvale {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::PlayerFileBuilder;
using testing::TempDir;

struct Window {
  const char* name;
  ScanWindow window;
  std::vector<FieldId> fields;
};

const Window kWindows[] = {
    {"player list", {3828, 4001, 3828, FieldId::LastName}, {FieldId::LastName, FieldId::PlayerId}},
    {"roster list",
     {3828, 4010, 4008, FieldId::Team},
     {FieldId::LastName, FieldId::RosterSlot, FieldId::Team}},
    {"whole records",
     {3745, 4359, 3745, FieldId::LastName},
     {FieldId::PlayerNumber, FieldId::Ejections}},
};

// Every record the walk counts, in order, with the bytes field reads give,
// for files cut anywhere in their last records.
TEST(RecordScanTest, HandsOverWhatFieldReadsGive) {
  TempDir dir;
  for (const Window& w : kWindows) {
    for (const std::uint64_t cut : {0, 3829, 4009, 4360, 5000, 7000, 12000, 12345}) {
      SCOPED_TRACE(std::string(w.name) + " cut at " + std::to_string(cut));
      PlayerFileBuilder b(14);
      for (int k = 0; k < 14; ++k)
        b.Text(k, FieldId::LastName, "N" + std::to_string(k)).Number(k, FieldId::Team, k);
      b.Truncate(cut);
      PlayerFileState file;
      file.OpenPlayerFile(b.WriteTo(dir / "Players.dbf").string());
      RecordScan scan(file, w.window, file.FileLength());
      std::int64_t next = 0;
      scan.ForEach([&](std::int64_t k, std::string_view bytes) {
        EXPECT_EQ(k, next++);
        for (const FieldId id : w.fields) {
          EXPECT_EQ(FieldFromSpan(bytes, static_cast<std::uint16_t>(w.window.begin), Field(id)),
                    file.ReadField(k, id));
        }
      });
      EXPECT_EQ(next, scan.Count());
      EXPECT_FALSE(PlayerFileState::RecordReaches(cut, scan.Count(), w.window.bounding));
      EXPECT_TRUE(scan.Count() == 0 ||
                  PlayerFileState::RecordReaches(cut, scan.Count() - 1, w.window.bounding));
    }
  }
}

// A failing read ends the walk where that read begins: at the field the
// walk reads first, every record before it handed over.
TEST(RecordScanTest, AFailingReadEndsTheWalkAtItsRecord) {
  TempDir dir;
  const std::string path = PlayerFileBuilder(9).WriteTo(dir / "Players.dbf").string();
  for (const Window& w : kWindows) {
    // Blocks of 1, 1, 2 and 4 records, then the last.
    for (const auto& [skip, walked] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 4}, {4, 8}}) {
      SCOPED_TRACE(std::string(w.name) + " read " + std::to_string(skip));
      FaultyFileSystem faulty;
      PlayerFileState file(faulty);
      file.OpenPlayerFile(path);
      faulty.Fail(FileOp::Read, FileErrorCause::HardwareIo, skip, 1);
      std::int64_t handed = 0;
      EXPECT_THROW(RecordScan(file, w.window, file.FileLength())
                       .ForEach([&](std::int64_t, std::string_view) { ++handed; }),
                   FileError);
      EXPECT_EQ(handed, walked);
      const std::uint64_t start = faulty.Log().back().position;
      EXPECT_EQ(start, walked == 0 ? w.window.begin : kRecordLength * walked + w.window.cut);
    }
  }
}

}  // namespace
}  // namespace korvale
