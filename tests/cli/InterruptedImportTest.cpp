// What an import stopped at any point leaves: the process killed outright,
// or the machine's power cut. Both need a POSIX system (SIGKILL, and a file
// read while another handle holds it).
#ifndef _WIN32

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "Cli.h"
#include "CliFixture.h"
#include "PowerCutFileSystem.h"
#include "RollbackJournal.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;
using testing::ReadAll;

class InterruptedImportTest : public CliTest {
 protected:
  // Stops the import after its n-th file-layer call; false when it ended first.
  bool KillAfter(int n) {
    ::setenv("KORVALE_TEST_KILL_AFTER", std::to_string(n).c_str(), 1);
    const Outcome o = RunProgram(command + " " + roster + " " + table);
    ::unsetenv("KORVALE_TEST_KILL_AFTER");
    // Killed: the program itself, or the shell that ran it says so.
    const bool killed = o.code == -1 || o.code == 128 + SIGKILL;
    EXPECT_TRUE(killed || o.code == 0) << o.code << o.err;
    return killed;
  }
  bool CutPowerAfter(int n) {
    testing::PowerCutFileSystem power(n);
    std::istringstream in;
    std::ostringstream out, err;
    const int code = RunCli({"import", roster, table}, in, out, err, power);
    if (!power.WentOff()) {
      EXPECT_EQ(code, 0) << err.str();
      return false;
    }
    power.Reboot();
    return true;
  }

  std::string command = "import";
  std::string roster;
  std::string table;  // or patch
};

// At every call of the import, from its first read to the journal's
// deletion, the next command finds the roster as it was or fully changed,
// and no journal beside it. An apply writes through the same journal:
// killed, the same holds.
TEST_F(InterruptedImportTest, TheRosterIsBeforeOrAfterWhereverTheImportStops) {
  PlayerFileBuilder b(3);
  b.Number(0, FieldId::Height, 80).Number(2, FieldId::Height, 80).Text(2, FieldId::LastName, "Ng");
  roster = Make(b);
  table = Write("in.csv", "Record,Height,LastName\n0,81,\n2,82,Okafor\n");
  const std::string before = ReadAll(roster);
  ASSERT_EQ(Run({"import", roster, table}).code, 0);
  const std::string after = ReadAll(roster);
  ASSERT_NE(after, before);
  struct Way {
    const char* name;
    std::function<bool(int)> interrupt;
  };
  const std::string patch =
      Write("p.csv",
            "PlayerId,LastName,FirstName,Record,Field,Old,New\n"
            "0,,,0,Height,80,81\n0,,,2,Height,80,82\n0,,,2,LastName,Ng,Okafor\n");
  for (const Way& way : {Way{"kill", [this](int n) { return KillAfter(n); }},
                         Way{"power cut", [this](int n) { return CutPowerAfter(n); }},
                         Way{"kill an apply", [&](int n) {
                               command = "apply --match record";
                               table = patch;
                               return KillAfter(n);
                             }}}) {
    int undone = 0;
    int n = 1;
    for (;; ++n) {
      std::ofstream(roster, std::ios::binary | std::ios::trunc) << before;
      if (!way.interrupt(n)) break;
      const Outcome next = Run({"list", roster});
      EXPECT_EQ(next.code, 0) << way.name << ' ' << n << next.err;
      const std::string now = ReadAll(roster);
      EXPECT_TRUE(now == before || now == after) << way.name << " after call " << n;
      EXPECT_FALSE(JournalExists(roster)) << way.name << " after call " << n;
      if (next.err.find("An interrupted import was undone") != std::string::npos) ++undone;
    }
    EXPECT_EQ(ReadAll(roster), after) << way.name;
    EXPECT_GT(undone, 0) << way.name << ": no stop fell between the journal and the commit";
    std::cout << way.name << ": stopped after each of " << n - 1 << " calls, " << undone
              << " undone\n";
  }
}

}  // namespace
}  // namespace korvale::cli

#endif
