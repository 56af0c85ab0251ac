#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "Cli.h"
#include "CliFixture.h"
#include "DbaseHeader.h"
#include "FaultyFileSystem.h"
#include "PlayerFileState.h"
#include "RollbackJournal.h"
#include "SampleRoster.h"
#include "ScopedVariable.h"
#include "TableFormat.h"

namespace korvale::cli {
namespace {

using testing::FieldBytes;
using testing::PlayerFileBuilder;
using testing::ReadAll;

// A table on standard input that begins with `start`, then goes on as a
// case asks: a cell that never ends, a read error, or no memory.
class TableSource final : public std::streambuf {
 public:
  enum class Then { EndlessCell, ReadError, NoMemory };
  TableSource(std::string start, Then then) : start_(std::move(start)), then_(then) {
    setg(start_.data(), start_.data(), start_.data() + start_.size());
  }
  std::size_t endlessServed = 0;

 protected:
  int_type underflow() override {
    if (then_ == Then::ReadError) {
      throw std::ios_base::failure("read", std::error_code(EIO, std::generic_category()));
    }
    if (then_ == Then::NoMemory) throw std::bad_alloc();
    constexpr std::size_t kEnough = std::size_t{256} << 20;  // a reader that reads it whole stops
    if (endlessServed >= kEnough) return traits_type::eof();
    endlessServed += more_.size();
    setg(more_.data(), more_.data(), more_.data() + more_.size());
    return traits_type::to_int_type(more_[0]);
  }

 private:
  std::string start_;
  Then then_;
  std::string more_ = std::string(4096, 'x');
};

class ImportTest : public CliTest {
 protected:
  // Three records: 0 with a package that is no appearance package, 1 with
  // one, 2 cut short after its names.
  std::string MakeBase() {
    PlayerFileBuilder b(3);
    for (int k = 0; k < 3; ++k) {
      b.Number(k, FieldId::PlayerId, 100 + k).Number(k, FieldId::Height, 80);
      b.Number(k, FieldId::BirthYear, 1970).Number(k, FieldId::Team, 3);
    }
    b.Text(0, FieldId::PlayerPkg, "pkg1").Text(1, FieldId::PlayerPkg, ":CAAA1");
    b.Text(0, FieldId::LastName, "Smith");
    b.Truncate(Field(FieldId::Portrait).OffsetIn(2));
    return Make(b);
  }
  Outcome Import(const std::string& file, const std::string& csv,
                 std::vector<std::string> more = {}) {
    std::vector<std::string> args{"import", file, Write("in.csv", csv)};
    args.insert(args.end(), more.begin(), more.end());
    return Run(args);
  }
};

TEST_F(ImportTest, UntouchedExportChangesNothingByteForByte) {
  PlayerFileBuilder odd(2);
  odd.Raw(0, FieldId::JumpShooting, "73").Raw(0, FieldId::BirthMonth, " 3");
  odd.Raw(0, FieldId::LastName, "Smith\t").Raw(0, FieldId::IsRom, "t");
  odd.Raw(1, FieldId::PlayerPkg, ":ZZZZ").Raw(1, FieldId::Nickname, std::string(26, 'n'));
  odd.Raw(1, FieldId::BirthTown, "\x81\x8D\xFF").Truncate(odd.Bytes().size() - 100);
  const std::string sample = Path("Sample.dbf");
  ASSERT_EQ(WriteSampleRoster(sample, 100), SampleWrite::Created);
  for (const std::string& file : {Make(odd), sample}) {
    const std::string before = ReadAll(file);
    for (const std::vector<std::string>& style :
         {std::vector<std::string>{"t.csv"},
          {"t.json", "--labels"},
          {"t.csv", "--labels", "--excel", "--delimiter", ";"}}) {
      const std::string name = Path(style[0]);
      std::vector<std::string> args{"export", file, "--derived", "-o", name};
      args.insert(args.end(), style.begin() + 1, style.end());
      ASSERT_EQ(Run(args).code, 0);
      const Outcome o = Run({"import", file, name});
      EXPECT_EQ(o.code, 0) << o.err;
      EXPECT_EQ(o.out, "0 fields changed in 0 records\n");
      EXPECT_NE(o.err.find("ignoring the derived columns HeightText CalculatedOverall"),
                std::string::npos);
      EXPECT_EQ(ReadAll(file), before) << file << ' ' << name;
    }
  }
}

TEST_F(ImportTest, WritesExactlyTheStoredFormsTheEditorWrites) {
  const struct {
    FieldId field;
    std::string value;
    std::string stored;
  } cases[] = {
      {FieldId::JumpShooting, "50", " 0"},
      {FieldId::Fatigue, "54", " 8"},
      {FieldId::Clutch, "55", "10"},
      {FieldId::InsideShooting, "99", "98"},
      {FieldId::PlayerNumber, "7", " 7"},
      {FieldId::SecondPosition, "-1", "-1"},
      {FieldId::DraftRound, "5", "  5"},
      {FieldId::DraftPlace, "-1", " -1"},
      {FieldId::Games, "12", "   12"},
      {FieldId::BirthMonth, "3", "03"},
      {FieldId::BirthDay, "31", "31"},
      {FieldId::Position, "4", "4"},
      {FieldId::OriginalTeam, "1", " 1"},
      {FieldId::ShootingRange2, "17", "17"},
      {FieldId::IsPlayable, "true", "T"},
      {FieldId::IsHidden, "false", "F"},
      {FieldId::HairStyle, "16", "Q"},
      {FieldId::Accessories, "6", "G"},
      {FieldId::DraftedBy, "", "   "},
      {FieldId::Portrait, "", std::string(12, ' ')},
      {FieldId::BirthTown, "S\xC3\xA3o", "S\xE3o" + std::string(17, ' ')},
      {FieldId::LastName, "\xE2\x80\x9CQ\xE2\x80\x9D", "\x93Q\x94" + std::string(22, ' ')},
  };
  PlayerFileBuilder b(2);
  b.Text(1, FieldId::PlayerPkg, ":AAAA").Raw(1, FieldId::IsHidden, "T");
  b.Raw(1, FieldId::JumpShooting, "98");
  b.Text(1, FieldId::DraftedBy, "XY").Text(1, FieldId::Portrait, "p.bmp");
  b.Raw(1, FieldId::Nickname, std::string(26, 'z'));
  const std::string file = Make(b);
  std::string header = "Record", row = "1";
  for (const auto& c : cases) {
    header += "," + std::string(Field(c.field).name);
    row += ",\"" + c.value + "\"";
  }
  const std::string before = ReadAll(file);
  const Outcome o = Import(file, header + ",Nickname\n" + row + ",short\n");
  ASSERT_EQ(o.code, 0) << o.err;
  // PlayerPkg's bytes change with HairStyle's and Accessories'.
  EXPECT_EQ(o.out, std::to_string(std::size(cases) + 2) + " fields changed in 1 records\n");
  std::string expected = before;
  for (const auto& c : cases) {
    expected.replace(Field(c.field).OffsetIn(1), c.stored.size(), c.stored);
  }
  expected.replace(Field(FieldId::Nickname).OffsetIn(1), 25, "short" + std::string(20, ' '));
  EXPECT_EQ(ReadAll(file), expected);  // the 26th Nickname byte and all else untouched
  EXPECT_EQ(FieldBytes(expected, 1, FieldId::Nickname), "short" + std::string(20, ' ') + "z");
}

TEST_F(ImportTest, EveryRejectionListsItsPlaceAndLeavesTheFileAlone) {
  const std::string longest(kLongestCell, 'x');
  // Rows naming a record that does not exist: the first hundred are said,
  // then how many more.
  std::string missing = "Record\n";
  std::vector<std::string> said;
  for (int line = 2; line < 2 + 250; ++line) {
    missing += "9\n";
    if (line < 2 + 100) said.push_back(std::to_string(line) + ":Record: record 9 does not exist");
  }
  for (std::string& problem : said) problem += " (the file has 3 records)";
  said.push_back(
      "... and 150 more like 102:Record: record 9 does not exist (the file has 3 records)");
  const struct {
    std::string csv;
    std::vector<std::string> problems;
  } cases[] = {
      {missing, said},
      {"Record,LastName\n0,\"" + longest + "\"\n1," + longest + "y\n2,z\n",
       {"2:LastName: 4096 characters, at most 25", "3:LastName: longer than 4096 bytes"}},
      {"Record," + longest + "y\n", {"1: cell 2 is longer than 4096 bytes"}},
      {"Record,Foo\x1B]0;x\x07\n0,1\n", {"1:Foo\\x1B]0;x\\x07: unknown column"}},
      {"Record,\xE2\x80\xAE"
       "ab\n0,1\n",
       {"1:\\u202Eab: unknown column"}},
      {"Record,Height\n\xEF\xBB\xBF"
       "0,80\n",
       {"2:Record: \"\\uFEFF0\" is not a record number"}},
      {"Record,Fatigue\n1,49\n", {"2:Fatigue: 49 outside 50..99"}},
      {"Record,Fatigue\n1,100\n", {"2:Fatigue: 100 outside 50..99"}},
      {"Record,Height\n0,59\n1,92\n",
       {"2:Height: 59 outside 60..91", "3:Height: 92 outside 60..91"}},
      {"Record,Games\n0,100000\n", {"2:Games: 100000 outside 0..99999"}},
      {"Record,Weight\n0,heavy\n", {"2:Weight: \"heavy\" is not a whole number"}},
      {"Record,IsRom\n0,yes\n", {"2:IsRom: \"yes\" is neither true nor false"}},
      {"Record,Shoe\n0,1\n", {"1:Shoe: unknown column"}},
      {"Record,Height,Height\n0,80,80\n", {"1:Height: repeated column"}},
      {"Height\n80\n", {"1:Record: missing"}},
      {"Record,Height\n,80\n", {"2:Record: missing"}},
      {"Record,Height\n0,80\n0,81\n", {"3:Record: record 0 appears again (first at 2)"}},
      {"Record,Height\n3,80\n", {"2:Record: record 3 does not exist (the file has 3 records)"}},
      {"Record,PlayerId\n0,101\n", {"2:PlayerId: 101 is not the record's PlayerId 100"}},
      {"Record,Team,RosterSlot,OverallRating\n0,4,,\n", {"2:Team: read-only (the file holds 3)"}},
      {"Record,LastName\n0,abcdefghijklmnopqrstuvwxyz\n",
       {"2:LastName: 26 characters, at most 25"}},
      {"Record,DraftedBy\n0,ABCD\n", {"2:DraftedBy: 4 characters, at most 3"}},
      {"Record,FirstName\n0,\xE4\xB8\xAD\n",
       {"2:FirstName: holds a character that has no single byte in the file"}},
      {"Record,FirstName\n0,\"a\nb\"\n", {"2:FirstName: holds the control character \\x0A"}},
      {"Record,FirstName,LastName\n0,\x7F,\xC2\x85\n",
       {"2:LastName: holds the control character \\x85",
        "2:FirstName: holds the control character \\x7F"}},
      {"Record,Height\nabc,80\n", {"2:Record: \"abc\" is not a record number"}},
      {"Record,Height\n99999999999999999999,80\n",
       {"2:Record: record 99999999999999999999 does not exist"}},
      {"Record,Height\n0,99999999999999999999\n",
       {"2:Height: 99999999999999999999 outside 60..91"}},
      {"Record,Hand\n0,Lefty\n", {"2:Hand: \"Lefty\" is not a whole number"}},
      {"Record;Height\n0;80\n0,81\n", {"3: 1 cells where the header has 2"}},
      {"Record,HairStyle\n0,2\n", {"2:HairStyle: PlayerPkg does not begin with \":\""}},
      {"Record,PlayerPkg,HairStyle\n1,pkg,2\n",
       {"2:HairStyle: PlayerPkg does not begin with \":\""}},
      {"Record,HairStyle\n1,17\n", {"2:HairStyle: 17 outside 0..16"}},
      {"Record,Games\n2,5\n", {"2:Games: lies past the end of the file"}},
      {"Record,Height\n0,80,1\n", {"2: 3 cells where the header has 2"}},
      {"Record,Height\n0,\"80\n",
       {"2: not valid CSV: error parsing data while strict checking enabled"}},
  };
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  for (const auto& c : cases) {
    const Outcome o = Import(file, c.csv);
    EXPECT_EQ(o.code, 1) << c.csv;
    EXPECT_EQ(o.err, JoinLines(c.problems) + "korvale-cli: nothing was written\n") << c.csv;
    EXPECT_EQ(ReadAll(file), before) << c.csv;
  }
}

TEST_F(ImportTest, JsonRejectionsNameTheElementAndKey) {
  const struct {
    std::string json;
    std::string problem;
  } cases[] = {
      {R"([{"Record":0,"Height":80.5}])", "1:Height: the fraction 80.5 is not a whole number"},
      {R"([{"Record":0},{"Record":1,"Height":90,"Height":70}])", "2:Height: repeated key"},
      {R"([{"Record":0,"LastName":5}])", "1:LastName: the number 5 is not a text"},
      {R"([{"Record":0,"IsRom":2}])", "1:IsRom: the number 2 is neither true nor false"},
      {R"([{"Record":"x"}])", "1:Record: \"x\" is not a record number"},
      {R"([{"Record":0,"Games":18446744073709551615}])",
       "1:Games: 18446744073709551615 outside 0..99999"},
      {R"({"Record":0})", "input: not a JSON array of objects"},
      {R"([{"Record":0,"Speed":[1,{}]},[2]])", "1:Speed: an array is not a whole number"},
      {R"([{"Record":0},[2]])", "2: not an object"},
      {R"([{"Record":0,"\u001b[2J":1}])", "1:\\x1B[2J: unknown column"},
      {R"([{"Record":0,"LastName":")" + std::string(kLongestCell + 1, 'x'),
       "1:LastName: longer than 4096 bytes"},
      {R"([{"Record":0,"Speed":)" + std::string(100, '['), "1: nested deeper than 64"},
  };
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  for (const auto& c : cases) {
    const Outcome o = Run({"import", file, Write("in.json", c.json)});
    EXPECT_EQ(o.code, 1) << c.json;
    EXPECT_NE(o.err.find(c.problem + "\n"), std::string::npos) << o.err;
    EXPECT_EQ(ReadAll(file), before);
  }
}

// Whatever stops the reading of a table stops the import, however many
// good rows came before: a cell that never ends is refused as soon as it
// passes the bound, without being read whole; a read error or no memory is
// a failure, never the end of the table.
TEST_F(ImportTest, ATableThatCannotBeReadWholeWritesNothing) {
  using Then = TableSource::Then;
  const std::string readError =
      "korvale-cli: cannot read -: " + std::generic_category().message(EIO) +
      "; nothing was written\n";
  const std::string noMemory = "korvale-cli: cannot read -: out of memory; nothing was written\n";
  const std::string csv = "Record,Height\n0,81\n1,";
  const std::string json = R"([{"Record":0,"Height":81},{"Record":1,"LastName":")";
  const struct {
    std::string format;
    const std::string& start;
    Then then;
    int code;
    std::string err;
  } cases[] = {
      {"csv", csv, Then::EndlessCell, 1, "3:Height: longer than 4096 bytes\n"},
      {"json", json, Then::EndlessCell, 1, "2:LastName: longer than 4096 bytes\n"},
      {"csv", csv, Then::ReadError, 2, readError},
      {"json", json, Then::ReadError, 2, readError},
      {"csv", csv, Then::NoMemory, 2, noMemory},
      {"json", json, Then::NoMemory, 2, noMemory},
  };
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  for (const auto& c : cases) {
    TableSource source(c.start, c.then);
    std::istream in(&source);
    std::ostringstream out, err;
    const int code = RunCli({"import", file, "-", "--format", c.format}, in, out, err);
    const std::string what = c.format + " " + std::to_string(static_cast<int>(c.then));
    EXPECT_EQ(code, c.code) << what;
    EXPECT_EQ(err.str(), c.code == 1 ? c.err + "korvale-cli: nothing was written\n" : c.err)
        << what;
    EXPECT_LT(source.endlessServed, std::size_t{1} << 20) << what;
    EXPECT_EQ(ReadAll(file), before) << what;
  }
}

// What Calc and Excel write back: their flag words, semicolons or tabs,
// a byte order mark or Windows-1252, entry texts, trailing empty rows and
// the apostrophe before a formula character.
TEST_F(ImportTest, ReadsWhatSpreadsheetsWrite) {
  const struct {
    std::string table;
    std::vector<std::string> options;
    std::vector<std::pair<FieldId, std::string>> stored;  // in record 0
    std::string err;
  } cases[] = {
      {"Record;IsRom;Height\r\n0; WAHR ;81\r\n;;\r\n;;\r\n",
       {},
       {{FieldId::IsRom, "T"}, {FieldId::Height, "81"}},
       ""},
      {"\xEF\xBB\xBFRecord\tIsRom\tHand\tSecondPosition\n0\tVerdadeiro\t left \tnone\n",
       {},
       {{FieldId::IsRom, "T"}, {FieldId::Hand, "1"}, {FieldId::SecondPosition, "-1"}},
       ""},
      {"Record,IsRom,Position\n0,FAUX,point guard\n", {}, {{FieldId::Position, "4"}}, ""},
      {"Record,Nickname,LastName\n0,'=1+1,'x\n",
       {},
       {{FieldId::Nickname, "=1+1"}, {FieldId::LastName, "'x"}},
       ""},
      {"Record,LastName\n0,Jos\xE9\n",
       {},
       {{FieldId::LastName, "Jos\xE9"}},
       "korvale-cli: in.csv is not UTF-8: read as Windows-1252\n"},
      {"Record;LastName\n0;\xC3\xA9\n",
       {"--encoding", "windows-1252", "--delimiter", ";"},
       {{FieldId::LastName, "\xC3\xA9"}},
       ""},
  };
  for (const auto& c : cases) {
    const std::string file = MakeBase();
    const std::string input = Write("in.csv", c.table);
    std::vector<std::string> args{"import", file, input};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = Run(args);
    EXPECT_EQ(o.code, 0) << c.table << o.err;
    std::string err = c.err;
    if (const auto at = err.find("in.csv"); at != std::string::npos) err.replace(at, 6, input);
    EXPECT_EQ(o.err, err) << c.table;
    for (const auto& [field, stored] : c.stored) {
      EXPECT_EQ(FieldBytes(ReadAll(file), 0, field).substr(0, stored.size()), stored) << c.table;
    }
  }
}

// PlayerPkg's letters are the appearance codes: a row that changes both
// must give the same bytes. A cell that shows what the file holds changes
// nothing. --verbose and the summary name every field whose stored bytes
// change, and no other.
TEST_F(ImportTest, VerboseSaysWhatTheBytesBecome) {
  const auto padded = [](std::string package) {
    package.resize(Field(FieldId::PlayerPkg).writeWidth, ' ');
    return package;
  };
  const struct {
    std::string csv;
    int record;
    int code;
    std::vector<std::string> said;  // standard output, or the problems
    std::string package;            // the record's PlayerPkg bytes after
  } cases[] = {
      {"Record,PlayerPkg,HairStyle\n0,\":ABCDEFGHIJK\",3\n",
       0,
       1,
       {"2:HairStyle: 3 disagrees with PlayerPkg \":ABCDEFGHIJK\", which gives 1"},
       padded("pkg1")},
      {"Record,Height,PlayerPkg,HairStyle\n0,,\":BBBB\",1\n",
       0,
       0,
       {"record 0 (id 100) PlayerPkg: \"pkg1\" -> \":BBBB\"",
        "record 0 (id 100) PlayerType: null -> 1", "record 0 (id 100) HairStyle: null -> 1",
        "record 0 (id 100) FacialHair: null -> 1", "record 0 (id 100) Accessories: null -> 1",
        "5 fields changed in 1 records"},
       padded(":BBBB")},
      {"Record,PlayerPkg,PlayerType,HairStyle,FacialHair\n1,\":BBBB\",2,1,0\n",
       1,
       0,
       {"record 1 (id 101) PlayerPkg: \":CAAA1\" -> \":BBBB\"",
        "record 1 (id 101) PlayerType: 2 -> 1", "record 1 (id 101) HairStyle: 0 -> 1",
        "record 1 (id 101) FacialHair: 0 -> 1", "record 1 (id 101) Accessories: 0 -> 1",
        "5 fields changed in 1 records"},
       padded(":BBBB")},
      {"Record,PlayerPkg,HairStyle\n1,\":CAAA1\",3\n",
       1,
       0,
       {"record 1 (id 101) PlayerPkg: \":CAAA1\" -> \":CDAA1\"",
        "record 1 (id 101) HairStyle: 0 -> 3", "2 fields changed in 1 records"},
       padded(":CDAA1")},
      {"Record,LastName\n0,\"   \"\n",
       0,
       0,
       {"record 0 (id 100) LastName: \"Smith\" -> \"\"", "1 fields changed in 1 records"},
       padded("pkg1")},
  };
  for (const auto& c : cases) {
    const std::string file = MakeBase();
    const Outcome o = Import(file, c.csv, {"--verbose"});
    EXPECT_EQ(o.code, c.code) << c.csv << o.err;
    if (c.code == 0) {
      EXPECT_EQ(o.out, JoinLines(c.said)) << c.csv;
    } else {
      EXPECT_EQ(o.err, JoinLines(c.said) + "korvale-cli: nothing was written\n") << c.csv;
    }
    EXPECT_EQ(FieldBytes(ReadAll(file), c.record, FieldId::PlayerPkg), c.package) << c.csv;
  }
}

TEST_F(ImportTest, DryRunWritesNothingAndBackupCopiesFirst) {
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  const std::string csv = "Record,Height,PlayerId\n1,81,101\n0,82,\n";
  Outcome o = Import(file, csv, {"--dry-run", "--verbose"});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out,
            JoinLines({"record 0 (id 100) Height: 80 -> 82", "record 1 (id 101) Height: 80 -> 81",
                       "2 fields changed in 2 records", "dry run: nothing was written"}));
  EXPECT_EQ(ReadAll(file), before);
  o = Import(file, csv, {"--backup", Path("backup.dbf")});
  EXPECT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(ReadAll(Path("backup.dbf")), before);
  EXPECT_EQ(FieldBytes(ReadAll(file), 1, FieldId::Height), "81");
  const std::string after = ReadAll(file);
  o = Import(file, "Record,Height\n1,90\n", {"--backup", Path("backup.dbf")});
  EXPECT_EQ(o.code, 2);
  EXPECT_NE(o.err.find("exists already"), std::string::npos);
  EXPECT_EQ(ReadAll(file), after);
}

// Whatever fails while the journal or the roster is written, the roster is
// left as it was; a failure once the change is final leaves it applied. The
// message says which, and the next command finds what it says, with no
// journal left.
TEST_F(ImportTest, FileErrorWhileWritingUndoesEverything) {
  using testing::FileOp;
  struct Fault {
    FileOp op;
    int skip;
    int times;
  };
  struct Case {
    // The journal is the first write and the first create; the two nearby
    // fields go to the roster in the second write.
    std::vector<Fault> faults;
    std::string said;
    bool applied;
  };
  const std::string unchanged = "nothing was changed";
  const std::string pending = "the next korvale-cli command on the roster";
  for (const Case& c : {
           Case{{{FileOp::Write, 0, 1}}, unchanged, false},
           Case{{{FileOp::Write, 1, 1}}, unchanged, false},
           Case{{{FileOp::Sync, 0, 1}}, unchanged, false},
           Case{{{FileOp::Sync, 2, 1}}, unchanged, false},  // the roster's flush
           Case{{{FileOp::Create, 0, 1}}, unchanged, false},
           Case{{{FileOp::Remove, 0, 1}}, unchanged, false},  // the commit, undone at once
           Case{{{FileOp::Remove, 0, 0}}, unchanged, false},  // ... leaving the journal
           Case{{{FileOp::Remove, 0, 0}, {FileOp::Write, 2, 0}}, pending, false},
           Case{{{FileOp::Sync, 3, 1}}, "the import was applied", true},  // the deletion's flush
       }) {
    const std::string file = MakeBase();
    const std::string before = ReadAll(file);
    // No history (its folder cannot be made): the calls counted are the import's.
    const testing::ScopedVariable noHistory("KORVALE_HISTORY_DIR", file + "/history");
    testing::FaultyFileSystem faulty;
    for (const Fault& f : c.faults) faulty.Fail(f.op, FileErrorCause::DiskFull, f.skip, f.times);
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCli({"import", file, Write("in.csv", "Record,Height\n0,81\n1,82\n")}, in,
                            out, err, faulty);
    const std::string where = std::to_string(static_cast<int>(c.faults[0].op)) + ' ' +
                              std::to_string(c.faults[0].skip) + ' ' + err.str();
    EXPECT_EQ(code, 2) << where;
    EXPECT_NE(err.str().find(c.said), std::string::npos) << where;
    EXPECT_EQ(Run({"list", file}).code, 0) << where;
    EXPECT_EQ(FieldBytes(ReadAll(file), 1, FieldId::Height), c.applied ? "82" : "80") << where;
    EXPECT_EQ(ReadAll(file) == before, !c.applied) << where;
    EXPECT_FALSE(JournalExists(file)) << where;
  }
}

// A journal left behind is undone by the next command; one that matches
// the roster no more leaves both files alone.
TEST_F(ImportTest, NextCommandUndoesALeftJournal) {
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  const auto leaveJournal = [&] {
    testing::FaultyFileSystem faulty;
    faulty.Fail(testing::FileOp::Remove, FileErrorCause::HardwareIo);  // the commit
    std::istringstream in;
    std::ostringstream out, err;
    RunCli({"import", file, Write("in.csv", "Record,Height\n0,81\n1,82\n")}, in, out, err, faulty);
    ASSERT_TRUE(JournalExists(file));
  };
  // A journal an earlier Korvale left: marked "KVJ1", with a byte-wise sum.
  const auto makeByteSummed = [&] {
    std::string bytes = ReadAll(JournalPath(file));
    bytes.replace(0, 4, "KVJ1");
    std::uint32_t sum = 2166136261U;
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
      sum = (sum ^ static_cast<unsigned char>(bytes[i])) * 16777619U;
    }
    for (std::size_t i = 0; i < 4; ++i)
      bytes[bytes.size() - 4 + i] = static_cast<char>(sum >> (8 * i));
    std::ofstream(JournalPath(file), std::ios::binary | std::ios::trunc) << bytes;
  };
  struct Case {
    std::string command;
    bool byteSummed;
  };
  for (const Case& c :
       {Case{"list", false}, Case{"check", false}, Case{"import", false}, Case{"list", true}}) {
    leaveJournal();
    if (c.byteSummed) makeByteSummed();
    std::vector<std::string> args{c.command, file};
    if (c.command == "import") args.push_back(Write("none.csv", "Record,Height\n"));
    const Outcome o = Run(args);
    EXPECT_NE(o.err.find("An interrupted import was undone: 2 fields restored."), std::string::npos)
        << c.command << c.byteSummed << o.err;
    EXPECT_EQ(ReadAll(file), before) << c.command << c.byteSummed;
    EXPECT_FALSE(JournalExists(file)) << c.command << c.byteSummed;
  }
  leaveJournal();  // undone, but its deletion fails
  {
    testing::FaultyFileSystem faulty;
    faulty.Fail(testing::FileOp::Remove, FileErrorCause::AccessDenied);
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"list", file}, in, out, err, faulty), 2);
    EXPECT_NE(
        err.str().find("2 fields restored. The roster is fine, but Access to " + JournalPath(file) +
                       " was denied. Delete " + JournalPath(file) + " by hand"),
        std::string::npos)
        << err.str();
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_TRUE(JournalExists(file));
  }
  leaveJournal();  // sample --force undoes it before it replaces the roster
  Outcome sampled = Run({"sample", "--force", "--players", "4", file});
  EXPECT_EQ(sampled.code, 0) << sampled.err;
  EXPECT_NE(sampled.err.find("An interrupted import was undone: 2 fields restored."),
            std::string::npos)
      << sampled.err;
  EXPECT_FALSE(JournalExists(file));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << before;
  leaveJournal();
  const std::string left = ReadAll(file);
  // Its spans match, but not the length it recorded: another roster's.
  std::ofstream(file, std::ios::binary | std::ios::app) << std::string(kRecordLength, ' ');
  EXPECT_EQ(Run({"list", file}).code, 2);
  EXPECT_TRUE(JournalExists(file));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << left;
  {
    // A reader that cannot take the roster to undo reads nothing; check
    // reports the journal instead.
    PlayerFileState other;
    other.OpenPlayerFileToRead(file);
    Outcome o = Run({"list", file});
    EXPECT_EQ(o.code, 2);
    EXPECT_EQ(o.err, "korvale-cli: An interrupted import must be undone first.\n");
    EXPECT_TRUE(o.out.empty());
    o = Run({"check", file});
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.out.find("-journal lies beside the file: An interrupted import must be undone"),
              std::string::npos)
        << o.out;
  }
  EXPECT_EQ(ReadAll(file), left);
  {
    std::fstream roster(file, std::ios::in | std::ios::out | std::ios::binary);
    roster.seekp(static_cast<std::streamoff>(Field(FieldId::Height).OffsetIn(0)));
    roster.write("77", 2);
  }
  const std::string replaced = ReadAll(file);
  EXPECT_EQ(Run({"list", file}).code, 2);
  EXPECT_NE(Run({"check", file}).out.find("does not match it"), std::string::npos);
  EXPECT_EQ(ReadAll(file), replaced);
  EXPECT_TRUE(JournalExists(file));
}

#ifndef _WIN32  // links, FIFOs and hard links as Windows users seldom have them

// Whatever stands at the journal's path and is no journal of ours stops
// every command that would write or undo, and nothing anywhere changes: not
// the roster, not what a link leads to, not the thing itself. A roster with
// a second name is refused by the commands that write through the journal.
TEST_F(ImportTest, WhatIsNoJournalOfOursStopsEveryWriter) {
  namespace fs = std::filesystem;
  const testing::ScopedVariable history("KORVALE_HISTORY_DIR", Path("history"));
  const std::string file = MakeBase();
  const std::string table = Write("in.csv", "Record,Height\n0,81\n");
  ASSERT_EQ(Run({"import", file, table}).code, 0);  // something to undo
  const std::string before = ReadAll(file);
  const std::string journal = JournalPath(file);
  const std::string other = Write("other.txt", "keep me");
  struct Case {
    const char* kind;
    std::function<void()> make;
  };
  for (const Case& c : {
           Case{"a symbolic link", [&] { fs::create_symlink(file, journal); }},
           Case{"a symbolic link", [&] { fs::create_symlink(other, journal); }},
           Case{"a symbolic link", [&] { fs::create_symlink(Path("nowhere"), journal); }},
           Case{"a hard link", [&] { fs::create_hard_link(other, journal); }},
           Case{"a FIFO", [&] { ASSERT_EQ(::mkfifo(journal.c_str(), 0600), 0); }},
           Case{"a folder", [&] { fs::create_directory(journal); }},
       }) {
    c.make();
    const fs::file_type type = fs::symlink_status(journal).type();
    for (const std::vector<std::string>& args : {std::vector<std::string>{"import", file, table},
                                                 {"undo", file, "--last", "1"},
                                                 {"sample", "--force", file},
                                                 {"list", file}}) {
      const Outcome o = Run(args);
      EXPECT_EQ(o.code, 2) << c.kind << ' ' << args[0];
      EXPECT_NE(
          o.err.find(journal + " stands where the roster's journal belongs, but it is " + c.kind),
          std::string::npos)
          << o.err;
      EXPECT_EQ(ReadAll(file), before) << c.kind << ' ' << args[0];
      EXPECT_EQ(ReadAll(other), "keep me") << c.kind << ' ' << args[0];
      EXPECT_EQ(fs::symlink_status(journal).type(), type) << c.kind << ' ' << args[0];
      EXPECT_FALSE(fs::exists(Path("nowhere"))) << c.kind << ' ' << args[0];
    }
    EXPECT_NE(Run({"check", file}).out.find(c.kind), std::string::npos) << c.kind;
    fs::remove(journal);
  }
  fs::create_hard_link(file, Path("Second.dbf"));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"import", file, table}, {"undo", file, "--last", "1"}}) {
    const Outcome o = Run(args);
    EXPECT_EQ(o.code, 2) << args[0];
    EXPECT_NE(o.err.find(file + " has 2 names (hard links): a journal beside one name cannot "
                                "protect the others"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("copy it to a new name, then move the copy over"), std::string::npos);
    EXPECT_EQ(ReadAll(file), before) << args[0];
    EXPECT_FALSE(JournalExists(file)) << args[0];
  }
  EXPECT_NE(Run({"check", file}).out.find("names: " + file + " has 2 names"), std::string::npos);
}

#endif

// A close that fails may have lost what was written: never a success.
TEST_F(ImportTest, AFailingCloseIsReported) {
  const std::string file = MakeBase();
  for (const char* command : {"import", "export"}) {
    testing::FaultyFileSystem faulty;
    // An import closes its journal twice (written, then emptied) before the roster.
    const int journalCloses = command == std::string("import") ? 2 : 0;
    faulty.Fail(testing::FileOp::Close, FileErrorCause::HardwareIo, journalCloses);
    std::istringstream in;
    std::ostringstream out, err;
    std::vector<std::string> args{command, file};
    if (command == std::string("import")) args.push_back(Write("in.csv", "Record,Height\n0,81\n"));
    EXPECT_EQ(RunCli(args, in, out, err, faulty), 2) << command;
    EXPECT_NE(
        err.str().find(
            "korvale-cli: A hardware I/O error was reported while accessing an unnamed file.\n"),
        std::string::npos)
        << command << err.str();
  }
  EXPECT_EQ(FieldBytes(ReadAll(file), 0, FieldId::Height), "81");
}

TEST_F(ImportTest, RefusesAFileAnotherProgramHolds) {
  const std::string file = MakeBase();
  const std::string before = ReadAll(file);
  const std::string csv = Write("in.csv", "Record,Height\n0,81\n");
  const std::string message = HeldElsewhere(file);
  {
    PlayerFileState editor;
    editor.OpenPlayerFile(file);
    for (const std::string& command :
         {"import " + file + " " + csv, "export " + file, "check " + file}) {
      const Outcome o = RunProgram(command);
      EXPECT_EQ(o.code, 2) << command;
      EXPECT_EQ(o.err, "korvale-cli: " + message + "\n") << command;
    }
  }
  EXPECT_EQ(ReadAll(file), before);
  EXPECT_EQ(RunProgram("import " + file + " " + csv).code, 0);
}

}  // namespace
}  // namespace korvale::cli
