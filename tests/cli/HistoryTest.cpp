#include <filesystem>
#include <fstream>

#include "CliFixture.h"
#include "HistoryLocation.h"
#include "HistoryLog.h"
#include "PlayerFileState.h"
#include "ScopedVariable.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;
using testing::ReadAll;

// Two players; record 1's Jump Shooting is 60 (code 20).
class HistoryTest : public CliTest {
 protected:
  HistoryTest() : folder_("KORVALE_HISTORY_DIR", Path("history")) {
    PlayerFileBuilder b(2);
    for (int k = 0; k < 2; ++k) b.Number(k, FieldId::PlayerId, 100 + k);
    b.Text(1, FieldId::LastName, "Okafor").Text(1, FieldId::FirstName, "Emeka");
    roster_ = Make(b.Number(1, FieldId::JumpShooting, 20));
  }
  Outcome Import(const std::string& jumpShooting, const std::string& firstName = "Emeka") {
    const std::string csv =
        "Record,JumpShooting,FirstName\n1," + jumpShooting + ",\"" + firstName + "\"\n";
    return Run({"import", roster_, Write("in.csv", csv)});
  }

  std::string roster_;

 private:
  testing::ScopedVariable folder_;
};

TEST_F(HistoryTest, AnImportAndItsUndoAreListedWithTheirShownValues) {
  const std::string before = ReadAll(roster_);
  EXPECT_EQ(Run({"history", roster_}).out, "No changes of " + roster_ + " are recorded.\n");
  const std::string odd = Path("a\xE2\x80\xAE.dbf");
  std::filesystem::copy_file(PathFromUtf8(roster_), PathFromUtf8(odd));
  EXPECT_EQ(Run({"history", odd}).out,
            "No changes of " + Path("a\\u202E.dbf") + " are recorded.\n");
  ASSERT_EQ(Import("75", "Ike").code, 0);
  const Outcome undone = Run({"undo", roster_, "--last", "1"});
  EXPECT_EQ(undone.code, 0) << undone.err;
  EXPECT_EQ(ReadAll(roster_), before);
  const Outcome listed = Run({"history", roster_});
  EXPECT_EQ(listed.code, 0);
  const std::string text = listed.out;
  const std::size_t undo = text.find("  undo  2 fields\n");
  const std::size_t import = text.find("  import  2 fields\n");
  ASSERT_LT(undo, import) << text;
  for (const char* line : {"    Okafor, Ike (id 101)  FirstName  Ike -> Emeka\n",
                           "    Okafor, Ike (id 101)  JumpShooting  75 -> 60\n",
                           "    Okafor, Emeka (id 101)  JumpShooting  60 -> 75\n",
                           "    Okafor, Emeka (id 101)  FirstName  Emeka -> Ike\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  }
  EXPECT_EQ(text.rfind("2  ", 0), 0U) << text;
  const Outcome json = Run({"history", roster_, "--format", "json", "--since", " 2000-01-01 "});
  EXPECT_NE(json.out.find("\"program\": \"import\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"before\": \"60\",\n        \"after\": \"75\""), std::string::npos);
}

TEST_F(HistoryTest, UndoRefusesAFieldChangedSinceUnlessForced) {
  const std::string before = ReadAll(roster_);
  ASSERT_EQ(Import("75").code, 0);
  ASSERT_EQ(Import("80").code, 0);
  const std::string changed = ReadAll(roster_);
  // Two sets that touch one field restore one field.
  EXPECT_NE(Run({"undo", roster_, "--last", "2", "--dry-run"})
                .out.find("JumpShooting (record 1)  80 -> 60\n1 field restored from 2 change sets"),
            std::string::npos);
  const Outcome refused = Run({"undo", roster_, "--id", "1"});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("Okafor, Emeka  JumpShooting (record 1) holds 80 now, not 75"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(ReadAll(roster_), changed);
  EXPECT_EQ(Run({"undo", roster_, "--id", "1", "--dry-run", "--force"}).code, 0);
  EXPECT_EQ(ReadAll(roster_), changed);
  EXPECT_EQ(Run({"undo", roster_, "--id", "1", "--force"}).code, 0);
  EXPECT_EQ(ReadAll(roster_), before);
  // The undo is a change set of its own: undoing it gives 80 back.
  EXPECT_EQ(Run({"undo", roster_, "--last", "1"}).code, 0);
  EXPECT_EQ(ReadAll(roster_), changed);
}

// A history folder that cannot be made, or a history path that holds a
// folder: the import goes ahead and says so; history and undo stop.
TEST_F(HistoryTest, AHistoryThatCannotBeWrittenIsReportedAndTheImportGoesAhead) {
  for (const bool folderThere : {false, true}) {
    const std::string folder = folderThere ? Path("history") : roster_ + "/history";
    const testing::ScopedVariable chosen("KORVALE_HISTORY_DIR", folder);
    if (folderThere) {
      std::filesystem::create_directories(history::HistoryPath(roster_));
    }
    const Outcome o = Import(folderThere ? "80" : "75");
    EXPECT_EQ(o.code, 0);
    EXPECT_NE(o.err.find("could not be written"), std::string::npos) << o.err;
    EXPECT_EQ(testing::FieldBytes(ReadAll(roster_), 1, FieldId::JumpShooting),
              folderThere ? "60" : "50");
    if (!folderThere) continue;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"history", roster_}, {"undo", roster_, "--last", "1"}}) {
      const Outcome read = Run(args);
      EXPECT_EQ(read.code, 2) << args[0];
      EXPECT_NE(read.err.find("cannot be read: it is a folder, not a file"), std::string::npos)
          << read.err;
    }
  }
}

// The records of an import change places (the roster was replaced): the
// history names who each record was, and undo writes nothing, --force or
// not, naming who is there now.
TEST_F(HistoryTest, UndoRefusesARecordThatHoldsAnotherPlayerNow) {
  ASSERT_EQ(Import("75").code, 0);
  PlayerFileBuilder b(2);
  b.Number(1, FieldId::PlayerId, 100).Number(0, FieldId::PlayerId, 101);
  b.Text(0, FieldId::LastName, "Okafor").Text(0, FieldId::FirstName, "Emeka");
  b.Text(1, FieldId::LastName, "Wynley").Text(1, FieldId::FirstName, "Roland");
  Make(b.Number(0, FieldId::JumpShooting, 25).Number(1, FieldId::JumpShooting, 25));
  const std::string replaced = ReadAll(roster_);
  EXPECT_NE(Run({"history", roster_}).out.find("Okafor, Emeka (id 101)  JumpShooting  60 -> 75"),
            std::string::npos);
  for (const char* force : {"--dry-run", "--force"}) {
    const Outcome o = Run({"undo", roster_, "--last", "1", force});
    EXPECT_EQ(o.code, 1) << force;
    EXPECT_NE(o.err.find("record 1 holds Wynley, Roland (id 100) now, not Okafor, Emeka (id 101)"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(ReadAll(roster_), replaced);
  }
}

// Sets that never took effect, marked so or left unmarked by a kill with
// the roster as it was, are listed as such and passed over by undo.
TEST_F(HistoryTest, SetsThatNeverTookEffectArePassedOver) {
  for (const bool marked : {false, true}) {
    ASSERT_EQ(Import(marked ? "80" : "75").code, 0);
    const std::string changed = ReadAll(roster_);
    history::HistoryLog log(roster_);
    const std::uint64_t id =
        log.Append(history::Program::Import,
                   {{1, FieldId::JumpShooting,
                     std::string(testing::FieldBytes(changed, 1, FieldId::JumpShooting)), "99"}});
    if (marked) log.Mark(id, history::SetState::NotApplied);
    const Outcome listed = Run({"history", roster_});
    EXPECT_NE(listed.out.find("  import  1 field  (never took effect)\n"), std::string::npos)
        << listed.out;
    const Outcome undone = Run({"undo", roster_, "--last", "1"});
    EXPECT_EQ(undone.code, 0) << undone.err;
    EXPECT_NE(undone.out.find("1 field restored from 1 change set"), std::string::npos);
    EXPECT_EQ(testing::FieldBytes(ReadAll(roster_), 1, FieldId::JumpShooting), "20");
    EXPECT_EQ(Run({"undo", roster_, "--id", std::to_string(id)}).code, 1);
  }
}

// A damaged newest set: history lists the rest and says where the damage
// is, once; undo --last 1 refuses it by name; the next import gets a new id.
TEST_F(HistoryTest, ADamagedSetIsNamedAndNeverSkippedSilently) {
  ASSERT_EQ(Import("75").code, 0);
  ASSERT_EQ(Import("80").code, 0);
  const std::filesystem::path file = history::HistoryPath(roster_);
  std::string bytes = ReadAll(file);
  const history::HistoryEntry newest = history::HistoryLog(roster_).Scan().entries.back();
  bytes[newest.offset + 40] ^= 1;
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  const Outcome listed = Run({"history", roster_});
  EXPECT_EQ(listed.code, 0);
  EXPECT_EQ(listed.out.rfind("1  ", 0), 0U) << listed.out;
  EXPECT_NE(listed.err.find("is damaged at change set 2, bytes "), std::string::npos) << listed.err;
  const std::string changed = ReadAll(roster_);
  const Outcome refused = Run({"undo", roster_, "--last", "1"});
  EXPECT_EQ(refused.code, 2);
  EXPECT_EQ(refused.err,
            "korvale-cli: change set 2 (damaged) cannot be read, and it is among the 1 newest: "
            "nothing was undone\n");
  EXPECT_EQ(ReadAll(roster_), changed);
  ASSERT_EQ(Import("85").code, 0);
  EXPECT_EQ(Run({"history", roster_}).out.rfind("3  ", 0), 0U);
  EXPECT_EQ(ReadAll(file).substr(0, bytes.size()), bytes);
}

}  // namespace
}  // namespace korvale::cli
