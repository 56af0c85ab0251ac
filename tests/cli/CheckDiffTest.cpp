#include <algorithm>
#include "CliFixture.h"
#include "DbaseHeader.h"
#include "FileSystem.h"
#include "PlayerFileState.h"
#include "SampleRoster.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;

class CheckDiffTest : public CliTest {};

TEST_F(CheckDiffTest, SampleIsClean) {
  ASSERT_EQ(WriteSampleRoster(Path("s.dbf")), SampleWrite::Created);
  const Outcome o = Run({"check", Path("s.dbf")});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out, "no findings in 440 records\n");
}

TEST_F(CheckDiffTest, CheckReportsEveryKindOfFinding) {
  ASSERT_EQ(WriteSampleRoster(Path("s.dbf"), 4), SampleWrite::Created);
  PlayerFileBuilder b(0);
  b.At(0, testing::ReadAll(Path("s.dbf")));
  b.At(8, std::string("\xA2\x0E", 2));  // header length 3746
  b.At(4, std::string("\x07", 1));
  b.Raw(0, FieldId::Height, "59").Raw(0, FieldId::Team, "40").Raw(1, FieldId::IsRom, "t");
  b.Raw(1, FieldId::Passing, "-3").Raw(2, FieldId::PlayerPkg, ":AZAA");
  b.Raw(3, FieldId::PlayerId, "1").Raw(3, FieldId::BirthMonth, "  ").Number(2, FieldId::Team, 1);
  b.At(b.Bytes().size(), b.Bytes().substr(kDbaseHeaderLength + kRecordLength * 3, 86));
  const std::string file = Make(b);
  const Outcome o = Run({"check", file});
  EXPECT_EQ(o.code, 1);
  EXPECT_EQ(o.out, JoinLines({
                       "header: " + file + " is not a Courtline '98 player file.",
                       "header: header length 3746, the field positions need 3745",
                       "header: record count 7, the file holds 4 records",
                       "record 4 is cut short: 86 of 614 bytes",
                       "record 0 (id 1): Height 59 outside 60..91",
                       "record 0 (id 1): Team 40 outside 0..31",
                       "record 1 (id 2): Passing 49 outside 50..99",
                       "record 3 (id 1): BirthMonth 0 outside 1..12",
                       "record 1 (id 2): IsRom holds \"t\", not T or F",
                       "record 2 (id 3): HairStyle letter \"Z\" outside A..Q",
                       "PlayerId 1 appears in records 0, 3",
                       "Boston: slot 1 is held by records 1 and 2",
                   }));
}

// Readers share the roster with each other (diff A A among them) and are
// refused while a writer holds it; a writer is refused while a reader does.
TEST_F(CheckDiffTest, ReadersShareAndWritersHoldAlone) {
  ASSERT_EQ(WriteSampleRoster(Path("s.dbf"), 2), SampleWrite::Created);
  const std::string file = Path("s.dbf");
  const std::string table = Write("t.csv", "Record,Height\n0,81\n");
  struct Case {
    bool heldToWrite;
    std::vector<std::string> args;
    int code;
  };
  for (const Case& c : {Case{false, {"diff", file, file}, 0}, Case{false, {"list", file}, 0},
                        Case{false, {"import", "--dry-run", file, table}, 0},
                        Case{false, {"import", file, table}, 2}, Case{true, {"list", file}, 2},
                        Case{true, {"diff", file, file}, 2}}) {
    PlayerFileState holder(SystemFileSystem());
    if (c.heldToWrite) {
      holder.OpenPlayerFile(file);
    } else {
      holder.OpenPlayerFileToRead(file);
    }
    EXPECT_EQ(Run(c.args).code, c.code) << c.args[0] << ' ' << c.heldToWrite;
  }
}

// A last record cut short is shown as far as it goes, with a warning.
TEST_F(CheckDiffTest, ReadersWarnAboutACutShortLastRecord) {
  PlayerFileBuilder b(2);
  const std::string whole = Make(b, "whole.dbf");
  b.Truncate(b.Bytes().size() - 14);
  const std::string cut = Make(b, "cut.dbf");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"list"}, {"show", "--record", "1"}, {"export"}}) {
    std::vector<std::string> run = args;
    run.insert(run.begin() + 1, cut);
    Outcome o = Run(run);
    EXPECT_EQ(o.code, 0) << args[0];
    EXPECT_EQ(o.err, "korvale-cli: warning: record 1 is cut short: 600 of 614 bytes\n") << args[0];
    run[1] = whole;
    EXPECT_EQ(Run(run).err, "") << args[0];
  }
}

// A huge broken file gives a short report: the first 100 findings of a
// kind, then how many more.
TEST_F(CheckDiffTest, CheckShowsAHundredFindingsOfAKind) {
  ASSERT_EQ(WriteSampleRoster(Path("s.dbf"), 103), SampleWrite::Created);
  PlayerFileBuilder b(0);
  b.At(0, testing::ReadAll(Path("s.dbf")));
  for (int r = 0; r < 103; ++r) b.Raw(r, FieldId::Height, "59");
  const Outcome o = Run({"check", Make(b)});
  EXPECT_EQ(o.code, 1);
  EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), 101);
  EXPECT_TRUE(o.out.ends_with("Height 59 outside 60..91\n... and 3 more findings of a range\n"))
      << o.out;
}

TEST_F(CheckDiffTest, DiffListsFieldsRecordsAndOtherBytes) {
  PlayerFileBuilder a(3);
  a.Number(0, FieldId::PlayerId, 7).Number(1, FieldId::PlayerId, 8);
  PlayerFileBuilder b = a;
  a.Number(2, FieldId::PlayerId, 9);
  b.Number(0, FieldId::Height, 80).Raw(0, FieldId::JumpShooting, " 1");  // shows 50 either way
  b.Text(1, FieldId::LastName, "Ng").At(Field(FieldId::Passing).OffsetIn(1) + 2, "x");
  b.Truncate(Field(FieldId::LastName).OffsetIn(2));
  b.At(b.Bytes().size(), std::string(kRecordLength * 2, ' '));
  const Outcome o = Run({"diff", Make(a, "a.dbf"), Make(b, "b.dbf")});
  EXPECT_EQ(o.code, 1);
  EXPECT_EQ(o.out, JoinLines({"record 0 (id 7) Height: 0 -> 80",
                              "record 1 (id 8) LastName: \"\" -> \"Ng\"",
                              "record 2 (id 9) PlayerId: 9 -> 0", "record 3 only in B",
                              "1 records differ outside the fields"}));
  const Outcome same = Run({"diff", Path("a.dbf"), Make(a, "c.dbf")});
  EXPECT_EQ(same.code, 0);
  EXPECT_EQ(same.out, "0 records differ outside the fields\n");
}

}  // namespace
}  // namespace korvale::cli
