#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Cli.h"
#include "FaultyFileSystem.h"
#include "PlayerFileState.h"
#include "ReplacingOutput.h"
#include "Utf8Path.h"

#include "CliFixture.h"
#include "SampleRoster.h"

namespace korvale::cli {
namespace {

using nlohmann::json;
using testing::PlayerFileBuilder;

class ExportTest : public CliTest {
 protected:
  json ExportJson(const std::string& path, bool derived = false) {
    std::vector<std::string> args{"export", path, "--format", "json"};
    if (derived) args.emplace_back("--derived");
    const Outcome o = Run(args);
    EXPECT_EQ(o.code, 0) << o.err;
    return json::parse(o.out);
  }
};

TEST_F(ExportTest, ShowsEveryStoredFormAsTheEditorDoes) {
  const struct {
    FieldId field;
    std::string stored;
    json shown;
  } cases[] = {
      {FieldId::JumpShooting, "73", 86},
      {FieldId::Passing, "-3", 49},
      {FieldId::Speed, "  ", 50},
      {FieldId::Clutch, "98", 99},
      {FieldId::PlayerNumber, "-1", -1},
      {FieldId::YearsPro, "05", 5},
      {FieldId::BirthMonth, " 3", 3},
      {FieldId::Games, "   12", 12},
      {FieldId::Weight, "2x0", 2},
      {FieldId::LastName, "  Smith\t", "  Smith"},
      {FieldId::FirstName, std::string("Jo\0hn", 5), "Jo"},
      {FieldId::BirthTown, "Sa\xE9o \x80", "Sa\xC3\xA9o \xE2\x82\xAC"},
      {FieldId::Nickname, "abcdefghijklmnopqrstuvwxyZ", "abcdefghijklmnopqrstuvwxyZ"},
      {FieldId::DraftedBy, "A  ", "A  "},
      {FieldId::IsPlayable, "T", true},
      {FieldId::IsRom, "t", false},
      {FieldId::IsHidden, "F", false},
      {FieldId::PlayerPkg, ":MMAA7", ":MMAA7"},
      {FieldId::PlayerType, "M", nullptr},
      {FieldId::HairStyle, "M", 12},
      {FieldId::FacialHair, "A", 0},
      {FieldId::Position, "7", 7},
  };
  PlayerFileBuilder b(2);
  for (const auto& c : cases) b.Raw(0, c.field, c.stored);
  b.Text(1, FieldId::PlayerPkg, "pkgBCDE");
  const json rows = ExportJson(Make(b));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0]["Record"], 0);
  for (const auto& c : cases)
    EXPECT_EQ(rows[0][std::string(Field(c.field).name)], c.shown) << Field(c.field).name;
  for (const char* code : {"PlayerType", "HairStyle", "FacialHair", "Accessories"}) {
    EXPECT_TRUE(rows[1][code].is_null()) << code;
  }
  EXPECT_EQ(rows[0].size(), 81u);
}

TEST_F(ExportTest, DerivedValuesAreTheTextsThePagesShow) {
  PlayerFileBuilder b(2);
  b.Number(0, FieldId::Height, 79).Number(0, FieldId::FieldGoalsMade, 1);
  b.Number(0, FieldId::FieldGoalsAttempted, 16).Number(0, FieldId::Games, 0);
  b.Number(1, FieldId::FreeThrowsMade, 4).Number(1, FieldId::FieldGoalsMade, 10);
  b.Number(1, FieldId::ThreePointMade, 3).Number(1, FieldId::Games, 4);
  b.Number(1, FieldId::ShootingRange, 8);
  const json rows = ExportJson(Make(b), true);
  EXPECT_EQ(rows[0]["HeightText"], "6' 7\"");
  EXPECT_EQ(rows[0]["FieldGoalPercent"], "6.3");
  EXPECT_EQ(rows[0]["PointsPerGame"], "---");
  EXPECT_EQ(rows[0]["FreeThrowPercent"], "---");
  EXPECT_EQ(rows[1]["Points"], "27");
  EXPECT_EQ(rows[1]["PointsPerGame"], "6.8");
  EXPECT_EQ(rows[1]["CalculatedOverall"], "50.4");
  EXPECT_EQ(rows[1].size(), 81u + 16u);
}

// Every text cell is quoted, so that a spreadsheet keeps "007" a text; a
// table for Excel has a byte order mark and no text that starts a formula.
TEST_F(ExportTest, CsvQuotesEveryTextAndSuitsTheSpreadsheet) {
  const struct {
    std::vector<std::string> options;
    std::string start;
    std::vector<std::string> found;
  } cases[] = {
      {{},
       "Record,PlayerNumber,",
       {",80,", ",\"O\"\"Neil, Jr\",\" Al\",\"=1+1\",", ",\"007\",", ",\"''@x\","}},
      {{"--excel", "--delimiter", ";"},
       "\xEF\xBB\xBFRecord;PlayerNumber;",
       {";80;", ";\"O\"\"Neil, Jr\";\" Al\";\"'=1+1\";", ";\"''@x\";", "\r\n0;"}},
      {{"--labels", "--delimiter", "tab"},
       "Record\tPlayerNumber\t",
       {"\t\"Center\"\t", "\t\"Left\"\t"}},
  };
  PlayerFileBuilder b(1);
  b.Text(0, FieldId::LastName, "O\"Neil, Jr").Text(0, FieldId::FirstName, " Al");
  b.Text(0, FieldId::Nickname, "=1+1").Text(0, FieldId::BirthTown, "007");
  b.Text(0, FieldId::Portrait, "'@x").Number(0, FieldId::Hand, 1);
  b.Number(0, FieldId::Height, 80).Number(0, FieldId::Position, 0);
  const std::string file = Make(b);
  for (const auto& c : cases) {
    std::vector<std::string> args{"export", file};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = Run(args);
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out.substr(0, c.start.size()), c.start);
    for (const std::string& text : c.found) EXPECT_NE(o.out.find(text), std::string::npos) << text;
  }
  const Outcome json = Run({"export", file, "--format", "json", "--excel"});
  EXPECT_EQ(json.code, 2);
  EXPECT_EQ(json.err, "korvale-cli: --excel and --delimiter apply to CSV tables only\n");
}

TEST_F(ExportTest, FormatFollowsTheOutputNameUnlessChosen) {
  const std::string file = Make(PlayerFileBuilder(1));
  ASSERT_EQ(Run({"export", file, "-o", Path("t.json")}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("t.json")).front(), '[');
  ASSERT_EQ(Run({"export", file, "-o", Path("t.txt"), "--format", "json"}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("t.txt")).front(), '[');
  ASSERT_EQ(Run({"export", file, "-o", Path("t.csv")}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("t.csv")).substr(0, 7), "Record,");
}

TEST_F(ExportTest, ListsPlayersWithTeamNames) {
  PlayerFileBuilder b(2);
  b.Text(0, FieldId::LastName, "Ames")
      .Text(0, FieldId::FirstName, "Bo")
      .Number(0, FieldId::Team, 29);
  b.Number(0, FieldId::PlayerId, 412).Number(1, FieldId::Team, 40);
  const Outcome o = Run({"list", Make(b)});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out, JoinLines({"     0   412  Free Agents     Ames, Bo",
                              "     1     0  (code 40)       , "}));
}

TEST_F(ExportTest, ShowFindsTheFirstRecordWithAnId) {
  PlayerFileBuilder b(3);
  b.Number(1, FieldId::PlayerId, 77).Number(2, FieldId::PlayerId, 77);
  b.Number(1, FieldId::Height, 79).Number(1, FieldId::SecondPosition, -1);
  const std::string file = Make(b);
  const Outcome o = Run({"show", file, "--id", "77"});
  ASSERT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "record 1 (id 77)");
  EXPECT_NE(o.out.find("Position 2:          None\n"), std::string::npos);
  EXPECT_NE(o.out.find("Height (ft, in):     6' 7\"\n"), std::string::npos);
  EXPECT_NE(o.out.find("Min Per Game:        ---\n"), std::string::npos);
  EXPECT_EQ(Run({"show", file, "--id", "78"}).code, 1);
  EXPECT_EQ(Run({"show", file, "--record", "3"}).code, 1);
  EXPECT_EQ(Run({"show", file}).code, 2);
}

TEST_F(ExportTest, SampleIsTheSharedGeneratorAndRefusesToOverwrite) {
  const Outcome o = Run({"sample", "-", "--players", "30", "--seed", "5"});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out, SampleRosterBytes(30, 5));
  EXPECT_EQ(Run({"sample", Path("s.dbf")}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("s.dbf")), SampleRosterBytes());
  const Outcome again = Run({"sample", Path("s.dbf"), "--players", "3"});
  EXPECT_EQ(again.code, 2);
  EXPECT_NE(again.err.find("--force"), std::string::npos);
  EXPECT_EQ(Run({"sample", Path("s.dbf"), "--players", "3", "--force"}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("s.dbf")), SampleRosterBytes(3));
  EXPECT_EQ(Run({"sample", Path("t.dbf"), "--players", "1000001"}).code, 2);
}

// sample and --backup write a whole file or none, never over one that is
// there, even one that appears while they write; a failure names its cause.
TEST_F(ExportTest, SampleAndBackupWriteWholeFilesWhereNoneIs) {
  const std::string roster = Make(PlayerFileBuilder(2));
  const std::string table = Write("t.csv", "Record,Height\n0,81\n");
  const std::string before = testing::ReadAll(roster);
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const std::string nowhere = Path("missing/b.dbf");
  for (const Case& c : {
           Case{{"import", roster, table, "--backup", nowhere},
                "korvale-cli: cannot write the backup " + nowhere + ": No such file or directory"},
           Case{{"import", roster, table, "--backup", table}, "the backup " + table + " exists"},
           Case{{"sample", nowhere}, "korvale-cli: cannot write " + nowhere + ": No such file"},
           Case{{"sample", roster, "--force"}, HeldElsewhere(roster)},
       }) {
    PlayerFileState other;
    if (c.args[0] == "sample") other.OpenPlayerFile(roster);
    const Outcome o = Run(c.args);
    EXPECT_EQ(o.code, 2) << c.args[0];
    EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
  }
  EXPECT_EQ(testing::ReadAll(roster), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);

  ReplacingOutput late(PathFromUtf8(Path("late.dbf")), false);
  late.Stream() << "new";
  Write("late.dbf", "there first");
  EXPECT_FALSE(late.Commit());
  EXPECT_EQ(late.Error(), std::errc::file_exists);
  EXPECT_EQ(testing::ReadAll(Path("late.dbf")), "there first");
}

}  // namespace
}  // namespace korvale::cli

namespace korvale::cli {
namespace {

// A failed export leaves the old table, or none, and no temporary file.
TEST_F(ExportTest, AFileErrorLeavesTheOldTableOrNone) {
  const std::string file = Make(PlayerFileBuilder(3));
  for (const bool existed : {false, true}) {
    for (const testing::FileOp op : {testing::FileOp::Read, testing::FileOp::Length}) {
      if (existed) Write("out.csv", "old\n");
      testing::FaultyFileSystem faulty;
      faulty.Fail(op, FileErrorCause::HardwareIo);
      std::istringstream in;
      std::ostringstream out, err;
      EXPECT_EQ(RunCli({"export", file, "-o", Path("out.csv")}, in, out, err, faulty), 2);
      EXPECT_EQ(std::filesystem::exists(Path("out.csv")), existed);
      if (existed) {
        EXPECT_EQ(testing::ReadAll(Path("out.csv")), "old\n");
      }
      std::filesystem::remove(Path("out.csv"));
      EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    }
  }
}

// A table never takes a roster's place, whatever path leads to it; other
// files are replaced whole, keeping their permissions.
TEST_F(ExportTest, ATableNeverReplacesARoster) {
  namespace fs = std::filesystem;
  const std::string roster = Make(PlayerFileBuilder(3));
  const std::string other = Make(PlayerFileBuilder(2), "Other.dbf");
  std::vector<std::string> targets{roster, Path("./Players.dbf"), other};
#ifndef _WIN32  // links as Windows users seldom have them
  fs::create_symlink(roster, Path("link.csv"));
  fs::create_hard_link(roster, Path("hard.csv"));
  targets.push_back(Path("link.csv"));
  targets.push_back(Path("hard.csv"));
#endif
  const std::string before = testing::ReadAll(roster);
  for (const std::string& target : targets) {
    const Outcome o = Run({"export", roster, "-o", target, "--format", "csv"});
    EXPECT_EQ(o.code, 2) << target;
    EXPECT_NE(o.err.find("korvale-cli: " + target + " is"), std::string::npos) << o.err;
  }
#ifndef _WIN32  // standard output that is the roster, as a shell opens it
  for (const char* redirect : {" >> ", " 1<> "}) {
    const Outcome o = RunProgram("export " + roster + redirect + roster);
    EXPECT_EQ(o.code, 2) << redirect;
    EXPECT_EQ(o.err,
              "korvale-cli: standard output is the roster " + roster + "; nothing was written\n");
  }
#endif
  EXPECT_EQ(testing::ReadAll(roster), before);
  EXPECT_EQ(testing::ReadAll(other), PlayerFileBuilder(2).Bytes());

  Write("table.csv", "old");
  fs::permissions(Path("table.csv"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Run({"export", roster, "-o", Path("table.csv")}).code, 0);
  EXPECT_EQ(testing::ReadAll(Path("table.csv")).substr(0, 7), "Record,");
#ifndef _WIN32
  EXPECT_EQ(fs::status(Path("table.csv")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Run({"export", roster, "-o", "/dev/null"}).code, 0);
#endif
}

}  // namespace
}  // namespace korvale::cli
