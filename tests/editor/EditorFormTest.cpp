#include <gtest/gtest.h>

#include <fstream>

#include "ControlIds.h"
#include "DialogTemplates.h"
#include "FormHarness.h"
#include "PlayerDataPage.h"

namespace {

using namespace korvale;
using namespace korvale::testing;
using Texts = std::vector<std::string>;
namespace ids2 = res::playerdata2;

TEST(EditorFormTest, EachPageTakesOnlyItsOwnControlsEvents) {
  const int kWeight = PlayerDataPage::kWeight;
  const struct {
    int page, control;
    PageEvent event;
    std::string weight, portrait;  // the texts afterwards, both typed "9"
  } cases[] = {
      {0, kWeight, PageEvent::Escape, "0", "9"}, {1, ids2::kPortrait, PageEvent::Escape, "9", ""},
      {1, kWeight, PageEvent::Escape, "9", "9"},  // not page 1's control
      {0, kWeight, PageEvent::Leave, "9", "9"},   // no file: nothing written or put back
      {4, kWeight, PageEvent::Escape, "9", "9"}, {-1, kWeight, PageEvent::Escape, "9", "9"},
  };
  FormHarness h;
  EXPECT_EQ(h.pages[0].texts[kWeight], "0");  // the pages show their values from the start
  for (const auto& c : cases) {
    h.pages[0].texts[kWeight] = "9";
    h.pages[1].texts[ids2::kPortrait] = "9";
    h.editor.Handle(c.page, c.control, c.event);
    EXPECT_EQ(h.pages[0].texts[kWeight], c.weight) << c.page << " " << c.control;
    EXPECT_EQ(h.pages[1].texts[ids2::kPortrait], c.portrait) << c.page << " " << c.control;
  }
  EXPECT_TRUE(h.messages.warnings.empty());
}

TEST(EditorFormTest, EnableRulesFollowTheFileState) {
  FormHarness h;
  EXPECT_EQ(h.Enabled(), "S---");
  h.SelectFile(ThreeOnTwoTeams());
  EXPECT_EQ(h.Enabled(), "-C-F");
  h.editor.Forward();
  EXPECT_EQ(h.Enabled(), "-CBF");
  h.editor.Forward();
  EXPECT_EQ(h.Current(), 2);
  EXPECT_EQ(h.Enabled(), "-CBF");  // Forward stays enabled on the last record
  h.editor.Close();
  EXPECT_EQ(h.Enabled(), "S---");
  EXPECT_TRUE(h.editor.IsCommandEnabled(res::kIdAbout));
  EXPECT_TRUE(h.messages.stops.empty());
}

TEST(EditorFormTest, SelectShowsRecordZeroWithItsLists) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.PlayerId(), "101");
  EXPECT_EQ(h.PlayerEntries(), Texts({"Avery, Tom,  102", "Cole, Ray,  103", "Moss, Eli,  101"}));
  EXPECT_EQ(h.ChosenPlayer(), "Moss, Eli,  101");
  ASSERT_EQ(h.Teams().size(), 32U);
  EXPECT_EQ(h.Teams()[29], "Free Agents");
  EXPECT_EQ(h.ChosenTeam(), 2);
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Cole, Ray,  103", " 5 |  Moss, Eli,  101"}));
  EXPECT_EQ(h.form.Selection(res::kIdRosterList), -1);
}

TEST(EditorFormTest, ForwardAndBackStayInsideTheFile) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  h.editor.Back();
  EXPECT_EQ(h.Current(), 0);
  h.editor.Forward();
  EXPECT_EQ(h.Current(), 1);
  EXPECT_EQ(h.ChosenTeam(), 4);
  EXPECT_EQ(h.ChosenPlayer(), "Avery, Tom,  102");
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Avery, Tom,  102"}));
  h.editor.Forward();
  const Texts roster = h.RosterEntries();
  h.editor.Forward();  // at the last record: nothing changes
  EXPECT_EQ(h.Current(), 2);
  EXPECT_EQ(h.PlayerId(), "103");
  EXPECT_EQ(h.ChosenPlayer(), "Cole, Ray,  103");
  EXPECT_EQ(h.RosterEntries(), roster);
  h.editor.Back();
  h.editor.Back();
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.PlayerId(), "101");
  EXPECT_TRUE(h.messages.stops.empty());
}

TEST(EditorFormTest, CloseEmptiesEverythingAndASecondSelectStartsFresh) {
  FormHarness h;
  const auto first = h.SelectFile(ThreeOnTwoTeams());
  h.editor.Forward();
  h.editor.Close();
  EXPECT_TRUE(h.editor.File().FilePath().empty());
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.PlayerId(), "0");
  EXPECT_TRUE(h.PlayerEntries().empty());
  EXPECT_TRUE(h.Teams().empty());
  EXPECT_TRUE(h.RosterEntries().empty());
  EXPECT_EQ(ReadAll(first), ThreeOnTwoTeams().Bytes());  // showing and closing write nothing

  PlayerFileBuilder other(2);
  Player(other, 0, "Zane", "Al", 7, 29, 0);
  Player(other, 1, "Yates", "Bo", 8, 0, 1);
  h.SelectFile(other);
  EXPECT_EQ(h.PlayerEntries(), Texts({"Yates, Bo,    8", "Zane, Al,    7"}));
  EXPECT_EQ(h.Teams().size(), 32U);
  EXPECT_EQ(h.ChosenTeam(), 29);
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Zane, Al,    7"}));
  EXPECT_EQ(h.PlayerId(), "7");
}

// A refused open leaves no file selected, writes nothing, and Select can be
// tried again at once.
TEST(EditorFormTest, AFailedOpenEndsSelect) {
  enum class File { Missing, Refused, ReadOnly, OtherTable, ShorterThanAHeader };
  const std::string notPlayers = " is not a Courtline '98 player file.";
  const struct {
    File file;
    FileErrorCause cause;       // of the refused open
    std::string before, after;  // the message around the path
  } cases[] = {
      {File::Missing, {}, "", " was not found."},
      {File::Refused, FileErrorCause::SharingViolation,
       "A sharing violation occurred while accessing ", "."},
      {File::Refused, FileErrorCause::AccessDenied, "Access to ", " was denied."},
      {File::ReadOnly, {}, "Access to ", " was denied. The file is read-only."},
      {File::OtherTable, {}, "", notPlayers},
      {File::ShorterThanAHeader, {}, "", notPlayers},
  };
  for (const auto& c : cases) {
    FormHarness h;
    const std::filesystem::path path = h.dir / "Players.dbf";
    std::string bytes = ThreeOnTwoTeams().Bytes();
    if (c.file == File::OtherTable) bytes = ThreeOnTwoTeams().At(10, "\x67\x02").Bytes();
    if (c.file == File::ShorterThanAHeader) bytes = "DBF\x03";
    if (c.file != File::Missing) std::ofstream(path, std::ios::binary) << bytes;
    if (c.file == File::ReadOnly) {
      std::filesystem::permissions(path, std::filesystem::perms::owner_read);
      h.files.Fail(FileOp::Open, FileErrorCause::AccessDenied, 0, 1);  // as for a user
    }
    if (c.file == File::Refused) h.files.Fail(FileOp::Open, c.cause, 0, 1);
    h.SelectPath(path);
    const std::string shown = c.before + path.string() + c.after;
    EXPECT_EQ(h.messages.stops, Texts({shown}));
    EXPECT_EQ(std::filesystem::exists(path), c.file != File::Missing) << shown;
    if (c.file != File::Missing) {
      EXPECT_EQ(ReadAll(path), bytes) << shown;
    }
    EXPECT_EQ(h.files.Calls(FileOp::Write), 0) << shown;
    EXPECT_TRUE(h.editor.File().FilePath().empty()) << shown;
    EXPECT_EQ(h.Enabled(), "S---") << shown;
    EXPECT_TRUE(h.PlayerEntries().empty() && h.Teams().empty() && h.RosterEntries().empty())
        << shown;
    if (c.file == File::ReadOnly) {
      std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
    ThreeOnTwoTeams().WriteTo(path);
    h.SelectPath(path);
    EXPECT_EQ(h.PlayerEntries().size(), 3U) << shown;
  }
}

TEST(EditorFormTest, ShortFiles) {
  const struct {
    std::uint64_t length;
    std::size_t players, roster;
    int team;
  } cases[] = {
      // Record 0's LastName starts at 3828, its Team at 4008.
      {3828, 0, 0, 0},  // no LastName
      {3829, 1, 0, 0},  // its first byte
      {4008, 1, 0, 0},  // no Team
      {4009, 1, 1, 2},  // its first byte
  };
  for (const auto& c : cases) {
    FormHarness h;
    PlayerFileBuilder b(1);
    Player(b, 0, "Moss", "Eli", 101, 2, 4).Raw(0, FieldId::Team, "2");
    h.SelectFile(b.Truncate(c.length));
    EXPECT_TRUE(h.messages.stops.empty()) << c.length;
    EXPECT_EQ(h.PlayerEntries().size(), c.players) << c.length;
    EXPECT_EQ(h.RosterEntries().size(), c.roster) << c.length;
    EXPECT_EQ(h.ChosenTeam(), c.team) << c.length;  // a Team cut off reads as 0
    h.editor.Forward();
    EXPECT_EQ(h.Current(), 0) << c.length;
  }
}

TEST(EditorFormTest, AFileErrorInAWalkKeepsWhatWasDone) {
  FormHarness h;
  PlayerFileBuilder b(5);
  for (int k = 0; k < 5; ++k) Player(b, k, std::string(1, char('E' - k)), "X", 10 + k, 1, k);
  // The header is read once, then the player list reads blocks of 1, 1
  // and 2 records: fail the block from the 3rd record on.
  h.files.Fail(FileOp::Read, FileErrorCause::HardwareIo, 3, 1);
  h.SelectFile(b);
  EXPECT_EQ(h.messages.stops,
            Texts({"A hardware I/O error was reported while accessing an unnamed file."}));
  EXPECT_EQ(h.PlayerEntries(), Texts({"D, X,   11", "E, X,   10"}));
  EXPECT_FALSE(h.editor.File().FilePath().empty());  // the open itself succeeded
  EXPECT_EQ(h.Teams().size(), 32U);                  // filled before the walk
  EXPECT_EQ(h.ChosenTeam(), -1);                     // record 0 never shown
  EXPECT_EQ(h.Enabled(), "-C-F");
}

TEST(EditorFormTest, AFileErrorInForwardKeepsTheMove) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  h.files.Fail(FileOp::Seek, FileErrorCause::HardwareIo, 0, 1);
  h.editor.Forward();  // the length is asked first, then the display fails
  EXPECT_EQ(h.messages.stops.size(), 1U);
  EXPECT_EQ(h.Current(), 1);
  EXPECT_EQ(h.PlayerId(), "101");
  h.editor.Forward();
  EXPECT_EQ(h.Current(), 2);
  EXPECT_EQ(h.PlayerId(), "103");
}

}  // namespace
