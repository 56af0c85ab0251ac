#include "CliFixture.h"
#include "KorvaleVersion.h"

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
  for (const char* text :
       {"", "frobnicate", "list", "export a --format xml", "diff a", "sample x --players -1"}) {
    const std::string bad = text;
    o = RunProgram(bad);
    EXPECT_EQ(o.code, 2) << bad;
    EXPECT_TRUE(o.out.empty()) << bad;
    EXPECT_FALSE(o.err.empty()) << bad;
  }
}

TEST_F(CommandLineTest, FileErrorsUseTheEditorsMessages) {
  const Outcome o = RunProgram("list " + Path("missing.dbf"));
  EXPECT_EQ(o.code, 2);
  EXPECT_EQ(o.err, "korvale-cli: " + Path("missing.dbf") + " was not found.\n");
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
}

}  // namespace
}  // namespace korvale::cli
