#include <filesystem>
#include "CliFixture.h"
#include "KorvaleVersion.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;

class CommandLineTest : public CliTest {};

TEST_F(CommandLineTest, HelpVersionAndUsageErrors) {
  Outcome o = RunProgram("--version");
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out, std::string("korvale-cli ") + kKorvaleVersion + "\n");
  for (const char* name : {"list", "show", "export", "import", "check", "diff", "sample"}) {
    const std::string command = name;
    o = RunProgram(command + " --help");
    EXPECT_EQ(o.code, 0) << command;
    EXPECT_NE(o.out.find("Usage:"), std::string::npos) << command;
  }
  for (const char* text : {"", "frobnicate", "list", "export a --format xml", "diff a",
                           "sample x --players -1", "undo a --last 9223372036854775808",
                           "undo a --since 2026-02-30", "history a --since 2026-02-29"}) {
    const std::string bad = text;
    o = RunProgram(bad);
    EXPECT_EQ(o.code, 2) << bad;
    EXPECT_TRUE(o.out.empty()) << bad;
    EXPECT_FALSE(o.err.empty()) << bad;
  }
  o = RunProgram("frobnicate Players.dbf");
  EXPECT_EQ(o.err.substr(0, o.err.find('\n')), "korvale-cli: unknown command 'frobnicate'");
  o = RunProgram("import --help");
  EXPECT_NE(
      o.out.find("leaves a number, a list field or a flag as the file has it, and empties a text"),
      std::string::npos);
  o = RunProgram("import a b --backup \"\"");
  EXPECT_NE(o.err.find("the backup needs a file name"), std::string::npos) << o.err;
  // Numbers beyond their range are refused, not clamped; whatever an
  // argument holds shows in a message as visible escapes.
  const std::string roster = Make(PlayerFileBuilder(1));
  const std::string whole = " is not a whole number from ";
  const struct {
    std::vector<std::string> args;
    std::string said;
  } refused[] = {
      {{"show", roster, "--record", "99999999999999999999"},
       "--record: 99999999999999999999" + whole + "-9223372036854775808 to 9223372036854775807"},
      {{"show", roster, "--id", "-99999999999999999999"}, "--id: -99999999999999999999" + whole},
      {{"undo", roster, "--id", "18446744073709551616"}, "--id: 18446744073709551616" + whole},
      {{"sample", Path("s.dbf"), "--seed", "-1"},
       "--seed: -1" + whole + "0 to 18446744073709551615"},
      {{"export", roster, "--delimiter", "\x1B]0;t\x07"}, "not \\x1B]0;t\\x07\n"},
      {{"list", Path("\x1B[2J\xE2\x80\xAE\n.dbf")}, "\\x1B[2J\\u202E\\x0A.dbf"},
  };
  for (const auto& c : refused) {
    o = Run(c.args);
    EXPECT_EQ(o.code, 2) << c.said;
    EXPECT_NE(o.err.find(c.said), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find('\x1B'), std::string::npos) << o.err;
  }
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(Path("s.dbf"))));
}

// A name that begins with / is a file name on Windows too, never an option.
// A file that is no roster is refused before anything is read from it,
// with the editor's message, by every command but check, which reports it.
TEST_F(CommandLineTest, FileErrorsUseTheEditorsMessages) {
  std::filesystem::create_directory(dir.Path() / "folder");
  const std::string text = Write("notes.txt", "Not a roster at all, just some words.\n");
  const std::string notRoster = "korvale-cli: " + text + " is not a Courtline '98 player file.\n";
  const std::string roster = Make(PlayerFileBuilder(1));
  struct Case {
    std::string args;
    int code;
    std::string err;
  };
  for (const Case& c : {
           Case{"list " + Path("missing.dbf"), 2,
                "korvale-cli: " + Path("missing.dbf") + " was not found.\n"},
           Case{"list /korvale-missing/Players.dbf", 2,
                "korvale-cli: /korvale-missing/Players.dbf was not found.\n"},
           Case{"show " + Path("folder") + " --record 0", 2,
                "korvale-cli: " + Path("folder") + " is not a regular file.\n"},
           Case{"list " + text, 2, notRoster},
           Case{"export " + text, 2, notRoster},
           Case{"show " + text + " --record 0", 2, notRoster},
           Case{"diff " + text + " " + text, 2, notRoster},
           Case{"import " + text + " " + Write("t.csv", "Record,Height\n0,81\n"), 2, notRoster},
           Case{"check " + text, 1, ""},
           Case{"export " + roster + " -o " + Path("folder"), 2,
                "korvale-cli: " + Path("folder") + " is a folder; nothing was written\n"},
       }) {
    const Outcome o = RunProgram(c.args);
    EXPECT_EQ(o.code, c.code) << c.args;
    EXPECT_EQ(o.err, c.err) << c.args;
  }
  const std::string report = RunProgram("check " + text).out;
  EXPECT_EQ(report.substr(0, report.find('\n')),
            "header: " + text + " is not a Courtline '98 player file.");
  EXPECT_EQ(testing::ReadAll(text), "Not a roster at all, just some words.\n");
}

TEST_F(CommandLineTest, DashMeansStandardInputAndOutput) {
  PlayerFileBuilder b(1);
  b.Number(0, FieldId::Height, 80);
  const std::string file = Make(b);
  Outcome o = RunProgram("export " + file + " -o - --format json");
  ASSERT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(o.out.substr(0, 13), "[\n{\"Record\":0");
  o = RunProgram("import " + file + " - --format json --verbose", R"([{"Record":0,"Height":81}])");
  EXPECT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(o.out, "record 0 (id 0) Height: 80 -> 81\n1 fields changed in 1 records\n");
  o = RunProgram("import " + file + " -", "Record,Height\n0,82\n");
  EXPECT_EQ(o.out, "1 fields changed in 1 records\n");
  o = RunProgram("import " + file + " -", "Record,LastName\n0,Jos\xE9\n");
  EXPECT_EQ(o.err,
            "2: not valid UTF-8; for a table in Windows-1252 add --encoding windows-1252\n"
            "korvale-cli: nothing was written\n");
}

// Standard input and output are bytes on every system: a Ctrl-Z byte does
// not end the input, and a CR LF is not turned into CR CR LF on the way out.
TEST_F(CommandLineTest, StandardStreamsCarryEveryByte) {
  PlayerFileBuilder b(1);
  b.Raw(0, FieldId::LastName,
        "a\x1A"
        "b");
  const std::string file = Make(b);
  Outcome o = RunProgram("import " + file + " - --verbose",
                         "Record,LastName\r\n0,a\x1A"
                         "c\r\n");
  EXPECT_EQ(o.code, 1);  // the whole text arrived, and the control character is refused
  EXPECT_EQ(o.err,
            "2:LastName: holds the control character \\x1A\nkorvale-cli: nothing was written\n");
  o = RunProgram("export " + file + " --format csv");
  EXPECT_NE(o.out.find("\r\n"), std::string::npos);  // the CSV's own row ends
  EXPECT_EQ(o.out.find("\r\r"), std::string::npos);
  EXPECT_NE(o.out.find("a\x1A"
                       "b"),
            std::string::npos);
}

// Names outside every ANSI code page: on Windows they travel as UTF-16 from
// the command line to every file the program opens or creates.
TEST_F(CommandLineTest, NamesInAnyScriptReachTheirFiles) {
  const std::string roster = Path("R\xC3\xB6ster \xE4\xB8\xAD.dbf");
  const std::string table = Path(
      "\xCE\xA4"
      "able.csv");
  const std::string backup = Path("Sicherung \xC3\xBC.dbf");
  EXPECT_EQ(RunProgram("sample --players 3 \"" + roster + "\"").code, 0);
  Outcome o = RunProgram("export \"" + roster + "\" -o \"" + table + "\"");
  ASSERT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(testing::ReadAll(PathFromUtf8(table)).substr(0, 7), "Record,");
  Write(
      "\xCE\xA4"
      "able.csv",
      "Record,Height\n2,77\n");
  o = RunProgram("import \"" + roster + "\" \"" + table + "\" --backup \"" + backup + "\"");
  ASSERT_EQ(o.code, 0) << o.err;
  EXPECT_EQ(testing::ReadAll(PathFromUtf8(backup)).size(),
            testing::ReadAll(PathFromUtf8(roster)).size());
  EXPECT_EQ(testing::FieldBytes(testing::ReadAll(PathFromUtf8(roster)), 2, FieldId::Height), "77");
  o = RunProgram("list \"" + Path("\xC3\xB6.dbf") + "\"");
  EXPECT_EQ(o.err, "korvale-cli: " + Path("\xC3\xB6.dbf") + " was not found.\n");
}

#ifndef _WIN32
// A full device on standard output is a failure every command reports.
TEST_F(CommandLineTest, EveryCommandReportsAFullOutputDevice) {
  const std::string file = Make(PlayerFileBuilder(3));
  std::filesystem::copy_file(PathFromUtf8(file), PathFromUtf8(Path("b.dbf")));
  for (const std::string& command :
       std::vector<std::string>{"list", "show --record 0", "check", "export", "diff"}) {
    const std::string extra = command == "diff" ? " " + Path("b.dbf") : "";
    const Outcome o = RunProgram(command + " " + file + extra + " >/dev/full", "");
    EXPECT_EQ(o.code, 2) << command;
    EXPECT_EQ(o.err, "korvale-cli: cannot write to standard output: No space left on device\n")
        << command;
  }
  const Outcome o = RunProgram("export " + file + " -o /dev/full");
  EXPECT_EQ(o.code, 2);
  EXPECT_EQ(o.err, "korvale-cli: cannot write /dev/full: No space left on device\n");
}
#endif

}  // namespace
}  // namespace korvale::cli
