#include <gtest/gtest.h>

#include "FormHarness.h"

namespace {

using namespace korvale;
using namespace korvale::testing;
using Texts = std::vector<std::string>;

TEST(PlayerListsTest, EntriesShowNamesAndTheRawPlayerId) {
  FormHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss  ", "Eli   ", 1, 0, 0);
  Player(b, 1, "  Lead", "Space", 22, 0, 1);
  b.Raw(2, FieldId::LastName, "Tab\t\t")
      .Raw(2, FieldId::FirstName, "Jo")
      .Raw(2, FieldId::PlayerId, "12  ");
  h.SelectFile(b);
  EXPECT_EQ(h.PlayerEntries(), Texts({"  Lead, Space,   22", "Moss, Eli,    1", "Tab, Jo, 12  "}));
}

TEST(PlayerListsTest, ListsSortCaseInsensitively) {
  FormHarness h;
  PlayerFileBuilder b(4);
  Player(b, 0, "baker", "a", 1, 3, 0);
  Player(b, 1, "ADAMSON", "b", 2, 3, 0);
  Player(b, 2, "Adams", "c", 3, 3, 0);
  Player(b, 3, "Baker", "B", 4, 3, 0);
  h.SelectFile(b);
  EXPECT_EQ(h.PlayerEntries(),
            Texts({"Adams, c,    3", "ADAMSON, b,    2", "baker, a,    1", "Baker, B,    4"}));
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Adams, c,    3", " 1 |  ADAMSON, b,    2",
                                      " 1 |  baker, a,    1", " 1 |  Baker, B,    4"}));
}

TEST(PlayerListsTest, RosterNumbersFollowTheSlot) {
  const struct {
    const char* name;
    std::vector<int> slots;
    Texts roster;
  } cases[] = {
      {"one and two digits in slot order",
       {11, 0, 9, 1},
       {" 1 |  P1, F,    1", " 2 |  P3, F,    3", "10 |  P2, F,    2", "12 |  P0, F,    0"}},
      {"99 has no number, -1 is 0",
       {99, -1, 98},
       {" 0 |  P1, F,    1", "99 |  P2, F,    2", "P0, F,    0"}},
  };
  for (const auto& c : cases) {
    FormHarness h;
    PlayerFileBuilder b(static_cast<int>(c.slots.size()));
    for (std::size_t k = 0; k < c.slots.size(); ++k) {
      const int n = static_cast<int>(k);
      Player(b, n, "P" + std::to_string(k), "F", n, 5, c.slots[k]);
    }
    h.SelectFile(b);
    EXPECT_EQ(h.RosterEntries(), c.roster) << c.name;
  }
}

TEST(PlayerListsTest, ChoosingAPlayerShowsTheRecord) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  h.PickPlayer("Avery, Tom,  102");
  EXPECT_EQ(h.Current(), 1);
  EXPECT_EQ(h.PlayerId(), "102");
  EXPECT_EQ(h.ChosenTeam(), 4);
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Avery, Tom,  102"}));
  EXPECT_EQ(h.ChosenPlayer(), "Avery, Tom,  102");
  EXPECT_TRUE(h.messages.stops.empty());
}

TEST(PlayerListsTest, APickShowsThePlayerPickedWhateverTheIds) {
  FormHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Zed", "A", 7, 1, 0);
  Player(b, 1, "Other", "B", 8, 1, 1);
  Player(b, 2, "Alpha", "C", 7, 2, 0);
  h.SelectFile(b);
  // Two records share an id: each entry still stands for its own record.
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.ChosenPlayer(), "Zed, A,    7");
  h.PickPlayer("Alpha, C,    7");
  EXPECT_EQ(h.Current(), 2);
  EXPECT_EQ(h.ChosenTeam(), 2);
  h.editor.Back();
  EXPECT_EQ(h.ChosenPlayer(), "Other, B,    8");
  h.PickPlayer("Zed, A,    7");
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.ChosenTeam(), 1);
  h.PickRoster(1);  // " 2 |  Other, B, 8"
  EXPECT_EQ(h.Current(), 1);
  EXPECT_EQ(h.ChosenPlayer(), "Other, B,    8");
}

TEST(PlayerListsTest, TheCutShortLastRecordIsShownWhenPicked) {
  FormHarness h;
  PlayerFileBuilder b(2);
  Player(b, 0, "First", "A", 5, 1, 0);
  Player(b, 1, "Last", "B", 6, 1, 1).Raw(1, FieldId::PlayerId, "1234");
  // Only the first byte of record 1's PlayerId is in the file: the record
  // reads as 1, its entry ends in "B, 1", which reads as 0.
  b.Truncate(Field(FieldId::PlayerId).OffsetIn(1) + 1);
  h.SelectFile(b);
  ASSERT_EQ(h.PlayerEntries().size(), 2U);
  EXPECT_EQ(h.PlayerEntries()[1], "Last, B, 1");
  h.PickPlayer("Last, B, 1");
  EXPECT_EQ(h.Current(), 1);
  EXPECT_EQ(h.PlayerId(), "1");
}

TEST(PlayerListsTest, ATeamCodeOutsideTheChoiceSelectsNothing) {
  FormHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Odd", "Team", 1, 40, 0);
  Player(b, 1, "Minus", "One", 2, -1, 2);
  Player(b, 2, "Plain", "Team", 3, 0, 0);
  h.SelectFile(b);
  EXPECT_EQ(h.ChosenTeam(), -1);
  EXPECT_EQ(h.RosterEntries(), Texts({" 3 |  Minus, One,    2"}));
  h.editor.Forward();
  h.editor.Forward();
  EXPECT_EQ(h.ChosenTeam(), 0);
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Plain, Team,    3"}));
}

TEST(PlayerListsTest, ChangingTheTeamByHandKeepsThePlayer) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  h.PickTeam(4);
  EXPECT_EQ(h.ChosenTeam(), 4);
  EXPECT_EQ(h.RosterEntries(), Texts({" 1 |  Avery, Tom,  102"}));
  EXPECT_EQ(h.Current(), 0);
  EXPECT_EQ(h.PlayerId(), "101");
  EXPECT_EQ(h.ChosenPlayer(), "Moss, Eli,  101");
  h.PickTeam(28);
  EXPECT_EQ(h.RosterEntries(), Texts());
  h.editor.Forward();
  h.editor.Back();  // the next display switches back to the shown player's team
  EXPECT_EQ(h.ChosenTeam(), 2);
  EXPECT_EQ(h.RosterEntries().size(), 2U);
}

TEST(PlayerListsTest, ChoosingARosterEntryShowsThePlayer) {
  FormHarness h;
  h.SelectFile(ThreeOnTwoTeams());
  h.PickRoster(0);  // " 1 |  Cole, Ray,  103"
  EXPECT_EQ(h.Current(), 2);
  EXPECT_EQ(h.PlayerId(), "103");
  EXPECT_EQ(h.ChosenPlayer(), "Cole, Ray,  103");
  EXPECT_EQ(h.RosterEntries().size(), 2U);  // kept, with its selection
  EXPECT_EQ(h.form.Selection(res::kIdRosterList), 0);
  EXPECT_TRUE(h.messages.stops.empty());
}

TEST(PlayerListsTest, AFileErrorInAChoiceKeepsTheRecordMadeCurrent) {
  FormHarness h;
  PlayerFileBuilder b(4);
  for (int k = 0; k < 4; ++k) Player(b, k, "N" + std::to_string(k), "F", 9, 1, k);
  h.SelectFile(b);
  // The record is made current, then its display fails on the third read.
  h.files.Fail(FileOp::Read, FileErrorCause::HardwareIo, 3, 1);
  h.PickPlayer("N3, F,    9");
  EXPECT_EQ(h.messages.stops.size(), 1U);
  EXPECT_EQ(h.Current(), 3);
}

}  // namespace
