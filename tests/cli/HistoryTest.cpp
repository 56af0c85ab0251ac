#include "CliFixture.h"
#include "PlayerFileState.h"
#include "ScopedVariable.h"

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
  for (const char* line :
       {"    Okafor, Emeka  FirstName  Ike -> Emeka\n",
        "    Okafor, Emeka  JumpShooting  75 -> 60\n", "    Okafor, Ike  JumpShooting  60 -> 75\n",
        "    Okafor, Ike  FirstName  Emeka -> Ike\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << text;
  }
  EXPECT_EQ(text.rfind("2  ", 0), 0U) << text;
  const Outcome json = Run({"history", roster_, "--format", "json", "--since", "1h"});
  EXPECT_NE(json.out.find("\"program\": \"import\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"before\": \"60\",\n        \"after\": \"75\""), std::string::npos);
}

TEST_F(HistoryTest, UndoRefusesAFieldChangedSinceUnlessForced) {
  const std::string before = ReadAll(roster_);
  ASSERT_EQ(Import("75").code, 0);
  ASSERT_EQ(Import("80").code, 0);
  const std::string changed = ReadAll(roster_);
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

TEST_F(HistoryTest, AHistoryThatCannotBeWrittenIsReportedAndTheImportGoesAhead) {
  const testing::ScopedVariable folder("KORVALE_HISTORY_DIR", roster_ + "/history");
  const Outcome o = Import("75");
  EXPECT_EQ(o.code, 0);
  EXPECT_NE(o.err.find("could not be written"), std::string::npos) << o.err;
  EXPECT_EQ(testing::FieldBytes(ReadAll(roster_), 1, FieldId::JumpShooting), "50");
}

}  // namespace
}  // namespace korvale::cli
