// What an import, an undo, a sample --force, an export -o or a --backup stopped at any point
// leaves: the process killed
// outright, or the machine's power cut. Both need a POSIX system (SIGKILL, and a file read while
// another handle holds it).
#ifndef _WIN32

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "Cli.h"
#include "CliFixture.h"
#include "PowerCutFileSystem.h"
#include "RollbackJournal.h"
#include "ScopedVariable.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;
using testing::ReadAll;

// The files of a folder, to put back as they were.
using Files = std::map<std::filesystem::path, std::string>;

Files Take(const std::filesystem::path& folder) {
  Files files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    files[entry.path()] = ReadAll(entry.path());
  }
  return files;
}

void PutBack(const std::filesystem::path& folder, const Files& files) {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (const auto& [path, bytes] : files) std::ofstream(path, std::ios::binary) << bytes;
}

class InterruptedImportTest : public CliTest {
 protected:
  InterruptedImportTest() : history_("KORVALE_HISTORY_DIR", Path("history")) {}

  // Stops the command after its n-th file-layer call; false when it ended
  // first. The test build of the program obeys the setting.
  bool KillAfter(const std::vector<std::string>& args, int n) {
    std::string line;
    for (const std::string& a : args) line += a + ' ';
    ::setenv("KORVALE_TEST_KILL_AFTER", std::to_string(n).c_str(), 1);
    const Outcome o = RunProgram(line, "", TestProgramPath());
    ::unsetenv("KORVALE_TEST_KILL_AFTER");
    // Killed: the program itself, or the shell that ran it says so.
    const bool killed = o.code == -1 || o.code == 128 + SIGKILL;
    EXPECT_TRUE(killed || o.code == 0) << o.code << o.err;
    return killed;
  }
  static bool CutPowerAfter(const std::vector<std::string>& args, int n) {
    testing::PowerCutFileSystem power(n);
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCli(args, in, out, err, power);
    if (!power.WentOff()) {
      EXPECT_EQ(code, 0) << err.str();
      return false;
    }
    power.Reboot();
    return true;
  }
  // Temporary files left in the roster's folder.
  [[nodiscard]] int LeftTemporaries() const {
    int left = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
      left += entry.path().extension() == ".tmp" ? 1 : 0;
    }
    return left;
  }

 private:
  testing::ScopedVariable history_;
};

// At every call of an import, an apply, an undo, a sample --force, an export -o or an
// import's --backup, from its first read to the journal's deletion, the next command finds
// the roster as it was or fully changed, no journal beside it and no temporary file; a
// file written whole is the old one (or none) or the whole new one.
TEST_F(InterruptedImportTest, TheRosterIsBeforeOrAfterWhereverTheImportStops) {
  PlayerFileBuilder b(3);
  b.Number(0, FieldId::Height, 80).Number(2, FieldId::Height, 80).Text(2, FieldId::LastName, "Ng");
  const std::string roster = Make(b);
  const std::string table = Write("in.csv", "Record,Height,LastName\n0,81,\n2,82,Okafor\n");
  const std::filesystem::path history = PathFromUtf8(Path("history"));
  const std::string original = ReadAll(roster);
  ASSERT_EQ(Run({"import", roster, table}).code, 0);
  const std::string imported = ReadAll(roster);
  const Files recorded = Take(history);
  ASSERT_EQ(Run({"sample", "--force", "--players", "4", roster}).code, 0);
  const std::string sampled = ReadAll(roster);
  const std::string output = Path("out.csv");
  std::ofstream(roster, std::ios::binary | std::ios::trunc) << original;
  ASSERT_EQ(Run({"export", roster, "-o", output}).code, 0);
  const std::string exported = ReadAll(output);
  const std::string oldTable = "an old table\n";
  const std::string backup = Path("b.dbf");
  struct Command {
    std::vector<std::string> args;
    const std::string* before;
    const std::string* after;
    Files history;
    std::string output = {};  // a file written whole: before (none: nullopt) and after
    std::optional<std::string> outputBefore = std::nullopt;
    const std::string* outputAfter = nullptr;
  };
  struct Way {
    const char* name;
    std::function<bool(const std::vector<std::string>&, int)> interrupt;
  };
  // An apply writes through the same journal as an import.
  const std::string patch =
      Write("p.csv",
            "PlayerId,LastName,FirstName,Record,Field,Old,New\n"
            "0,,,0,Height,80,81\n0,,,2,Height,80,82\n0,,,2,LastName,Ng,Okafor\n");
  for (const Command& c :
       {Command{{"import", roster, table}, &original, &imported, {}},
        Command{{"apply", "--match", "record", roster, patch}, &original, &imported, {}},
        Command{{"undo", roster, "--last", "1"}, &imported, &original, recorded},
        Command{{"sample", "--force", "--players", "4", roster}, &imported, &sampled, {}},
        Command{{"export", roster, "-o", output},
                &original,
                &original,
                {},
                output,
                oldTable,
                &exported},
        Command{{"import", roster, table, "--backup", backup},
                &original,
                &imported,
                {},
                backup,
                std::nullopt,
                &original}}) {
    for (const Way& way :
         {Way{"kill", [this](const auto&args, int n) { return KillAfter(args, n); }},
          Way{"power cut", [](const auto&args, int n) { return CutPowerAfter(args, n); }}}) {
      const std::string name = c.args[0] + ", " + way.name;
      int undone = 0;
      int n = 1;
      for (;; ++n) {
        std::ofstream(roster, std::ios::binary | std::ios::trunc) << *c.before;
        PutBack(history, c.history);
        if (!c.output.empty()) {
          std::filesystem::remove(PathFromUtf8(c.output));
          if (c.outputBefore) std::ofstream(c.output, std::ios::binary) << *c.outputBefore;
        }
        if (!way.interrupt(c.args, n)) break;
        const Outcome next = Run({"list", roster});
        EXPECT_EQ(next.code, 0) << name << ' ' << n << next.err;
        const std::string now = ReadAll(roster);
        EXPECT_TRUE(now == *c.before || now == *c.after) << name << " after call " << n;
        EXPECT_FALSE(JournalExists(roster)) << name << " after call " << n;
        EXPECT_EQ(LeftTemporaries(), 0) << name << " after call " << n;
        if (!c.output.empty()) {
          const bool there = std::filesystem::exists(PathFromUtf8(c.output));
          const std::string bytes = there ? ReadAll(c.output) : std::string();
          EXPECT_TRUE(bytes == *c.outputAfter ||
                      (there ? c.outputBefore == bytes : !c.outputBefore.has_value()))
              << name << " after call " << n << ": " << there << " " << bytes.size();
        }
        if (next.err.find("An interrupted import was undone") != std::string::npos) ++undone;
      }
      EXPECT_EQ(ReadAll(roster), *c.after) << name;
      if (!c.output.empty()) {
        EXPECT_EQ(ReadAll(c.output), *c.outputAfter) << name;
      }
      if (c.args[0] != "sample" && c.args[0] != "export") {
        EXPECT_GT(undone, 0) << name << ": no stop fell between the journal and the commit";
      }
      std::cout << name << ": stopped after each of " << n - 1 << " calls, " << undone
                << " undone\n";
    }
  }
}

}  // namespace
}  // namespace korvale::cli

#endif
