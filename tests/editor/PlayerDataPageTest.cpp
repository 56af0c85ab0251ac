#include <gtest/gtest.h>

#include <functional>

#include "PageRig.h"
#include "PlayerDataPage.h"
#include "RecordLayout.h"

namespace {

using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::SpanBytes;
using P = PlayerDataPage;

// A valid record: every ranged field inside its range, so that a take over
// the whole page succeeds unless a test spoils one field on purpose.
PlayerFileBuilder& ValidRecord(PlayerFileBuilder& b, int k) {
  return b.Number(k, FieldId::PlayerNumber, 23)
      .Number(k, FieldId::YearsPro, 5)
      .Number(k, FieldId::Position, 2)
      .Number(k, FieldId::SecondPosition, 3)
      .Raw(k, FieldId::PlayerId, "1234")
      .Number(k, FieldId::Height, 75)
      .Number(k, FieldId::Weight, 215)
      .Text(k, FieldId::LastName, "Doe")
      .Text(k, FieldId::FirstName, "John")
      .Text(k, FieldId::Nickname, "JD")
      .Number(k, FieldId::BirthYear, 1980)
      .Number(k, FieldId::BirthMonth, 12)
      .Number(k, FieldId::BirthDay, 25)
      .Text(k, FieldId::BirthTown, "Springfield")
      .Text(k, FieldId::BirthState, "Ohio")
      .Number(k, FieldId::Hand, 0)
      .Number(k, FieldId::DraftYear, 1996)
      .Raw(k, FieldId::DraftedBy, "BOS")
      .Number(k, FieldId::DraftRound, 1)
      .Number(k, FieldId::DraftOverall, 12)
      .Number(k, FieldId::DraftPlace, 3)
      .Number(k, FieldId::Team, 5)
      .Number(k, FieldId::OriginalTeam, 1);
}

// Two valid records, changed by `adjust`.
PlayerFileBuilder Roster(const std::function<void(PlayerFileBuilder&)>& adjust = {}) {
  PlayerFileBuilder builder(2);
  ValidRecord(builder, 0);
  ValidRecord(builder, 1);
  if (adjust) adjust(builder);
  return builder;
}

// Runs `atPlayerId` and `atTeam` as the page calls into the view.
class OrderHost : public FakeHost {
 public:
  void ShowPlayerId(std::int32_t id) override {
    FakeHost::ShowPlayerId(id);
    if (atPlayerId) atPlayerId();
  }
  void SelectTeamChoice(int index) override {
    FakeHost::SelectTeamChoice(index);
    if (atTeam) atTeam();
  }

  std::function<void()> atPlayerId;
  std::function<void()> atTeam;
};

// The page on record 0.
struct Rig : PageRig<PlayerDataPage, OrderHost> {
  explicit Rig(const PlayerFileBuilder& file = Roster()) : PageRig(file, 0) {}
  using Warnings = std::vector<std::string>;
  [[nodiscard]] const Warnings& Warned() const { return host.messages.warnings; }
};

TEST(PlayerDataPage, ShowsEveryFieldOfTheRecord) {
  Rig rig;
  const std::pair<int, std::string> shown[] = {{P::kFirstName, "John"},
                                               {P::kLastName, "Doe"},
                                               {P::kNickname, "JD"},
                                               {P::kBirthMonth, "12"},
                                               {P::kBirthDay, "25"},
                                               {P::kBirthYear, "1980"},
                                               {P::kBirthTown, "Springfield"},
                                               {P::kBirthState, "Ohio"},
                                               {P::kHeight, "75"},
                                               {P::kHeightText, "6' 3\""},
                                               {P::kWeight, "215"},
                                               {P::kPlayerNumber, "23"},
                                               {P::kYearsPro, "5"},
                                               {P::kDraftYear, "1996"},
                                               {P::kDraftRound, "1"},
                                               {P::kDraftedBy, "BOS"},
                                               {P::kDraftOverall, "12"},
                                               {P::kDraftPlace, "3"}};
  for (const auto& [id, text] : shown) EXPECT_EQ(rig.Shown(id), text) << id;
  EXPECT_EQ(rig.ShownEntry(P::kPosition), "Small Forward");
  EXPECT_EQ(rig.ShownEntry(P::kSecondPosition), "Shooting Guard");
  EXPECT_EQ(rig.ShownEntry(P::kHand), "Right");
  EXPECT_EQ(rig.ShownEntry(P::kOriginalTeam), "Boston");
  EXPECT_FALSE(rig.controls.entries.contains(P::kSchool));
  // The lists hold their entries in code order.
  const auto& entries = rig.controls.entries;
  EXPECT_EQ(entries.at(P::kPosition).size(), 5U);
  EXPECT_EQ(entries.at(P::kSecondPosition).front(), "None");
  EXPECT_EQ(entries.at(P::kSecondPosition).size(), 6U);
  EXPECT_EQ(entries.at(P::kHand).at(1), "Left");
  EXPECT_EQ(entries.at(P::kOriginalTeam).size(), 29U);
  EXPECT_EQ(entries.at(P::kOriginalTeam).back(), "Washington");
}

TEST(PlayerDataPage, ReadersRunInOrderWithTheViewsPlayerIdAndTeam) {
  Rig rig(Roster([](PlayerFileBuilder& b) {
    b.Number(1, FieldId::SecondPosition, -1)
        .Number(1, FieldId::Height, 80)
        .Raw(1, FieldId::PlayerId, "  77")
        .Number(1, FieldId::DraftPlace, 9)
        .Number(1, FieldId::Team, 30)
        .Number(1, FieldId::OriginalTeam, 7);
  }));
  int secondPositionAtPlayerId = -2;
  int originalTeamAtTeam = -2;
  std::int32_t heightAtPlayerId = -2;
  std::int32_t draftPlaceAtTeam = -2;
  rig.host.atPlayerId = [&] {
    secondPositionAtPlayerId = rig.controls.Selection(P::kSecondPosition);
    heightAtPlayerId = rig.page.Data().Height;
  };
  rig.host.atTeam = [&] {
    draftPlaceAtTeam = rig.page.Data().DraftPlace;
    originalTeamAtTeam = rig.controls.Selection(P::kOriginalTeam);
  };
  rig.host.file.SetCurrentRecord(1);
  rig.page.LoadRecord();
  EXPECT_EQ(rig.host.calls, (std::vector<std::string>{"ShowPlayerId 77", "SelectTeamChoice 30"}));
  EXPECT_EQ(secondPositionAtPlayerId, 0);  // read before PlayerId
  EXPECT_EQ(heightAtPlayerId, 75);         // read after it
  EXPECT_EQ(draftPlaceAtTeam, 9);          // read before Team
  EXPECT_EQ(originalTeamAtTeam, 1);        // read after it
  EXPECT_EQ(rig.controls.Selection(P::kOriginalTeam), 7);
}

TEST(PlayerDataPage, LeavingUnchangedRewritesTheNormalisedForm) {
  Rig rig(Roster([](PlayerFileBuilder& b) {
    b.Raw(0, FieldId::YearsPro, "05").Raw(0, FieldId::PlayerNumber, "00");
  }));
  EXPECT_EQ(rig.Shown(P::kYearsPro), "5");
  EXPECT_EQ(rig.Shown(P::kPlayerNumber), "0");
  rig.Leave(P::kYearsPro);
  EXPECT_EQ(rig.Stored(FieldId::YearsPro), " 5");
  rig.Leave(P::kPlayerNumber);
  EXPECT_EQ(rig.Stored(FieldId::PlayerNumber), " 0");
  EXPECT_TRUE(rig.Warned().empty());
}

TEST(PlayerDataPage, AnEmptiedNumberWritesTheOldValueBack) {
  Rig rig(Roster([](PlayerFileBuilder& b) { b.Raw(0, FieldId::DraftRound, "1"); }));  // "1  "
  rig.Enter(P::kDraftRound, "");
  EXPECT_EQ(rig.Warned(), Rig::Warnings{"Please enter an integer."});
  EXPECT_EQ(rig.Stored(FieldId::DraftRound), "  1");
  EXPECT_EQ(rig.controls.focus, P::kDraftRound);
}

TEST(PlayerDataPage, HeightOutOfRangeWritesNothingAndInRangeShowsFeetAndInches) {
  Rig rig;
  const std::string before = rig.File();
  rig.Enter(P::kHeight, "50");
  EXPECT_EQ(rig.Warned(), Rig::Warnings{"Please enter an integer between 60 and 91."});
  EXPECT_EQ(rig.File(), before);
  EXPECT_EQ(rig.Shown(P::kHeightText), "6' 3\"");
  EXPECT_EQ(rig.controls.focus, P::kHeight);
  EXPECT_EQ(rig.Shown(P::kHeight), "50");

  rig.host.messages.Clear();
  rig.Enter(P::kHeight, "79");
  EXPECT_TRUE(rig.Warned().empty());
  EXPECT_EQ(rig.Stored(FieldId::Height), "79");
  EXPECT_EQ(rig.Shown(P::kHeightText), "6' 7\"");
}

TEST(PlayerDataPage, BlankBirthYearComplainsOnEveryCommitYetWritesTheLeftField) {
  Rig rig(Roster([](PlayerFileBuilder& b) { b.Raw(0, FieldId::BirthYear, "    "); }));
  const Rig::Warnings year{"Please enter an integer between 1900 and 9999."};
  EXPECT_EQ(rig.Shown(P::kBirthYear), "0");
  rig.Enter(P::kFirstName, "Johnny");
  EXPECT_EQ(rig.Warned(), year);
  EXPECT_EQ(rig.Stored(FieldId::FirstName), "Johnny" + std::string(19, ' '));
  EXPECT_EQ(rig.controls.focus, P::kBirthYear);

  // Leaving the year itself complains again and brings the focus back.
  rig.host.messages.Clear();
  rig.controls.focus = 0;
  rig.Leave(P::kBirthYear);
  EXPECT_EQ(rig.Warned(), year);
  EXPECT_EQ(rig.controls.focus, P::kBirthYear);
  EXPECT_EQ(rig.Stored(FieldId::BirthYear), "    ");

  // A pick in a list takes the page too, and is written.
  rig.host.messages.Clear();
  rig.controls.focus = 0;
  rig.Pick(P::kHand, 1);
  EXPECT_EQ(rig.Warned(), year);
  EXPECT_EQ(rig.Stored(FieldId::Hand), "1");
  EXPECT_EQ(rig.controls.focus, P::kBirthYear);
}

TEST(PlayerDataPage, BirthDateIsStoredAsYearMonthDay) {
  Rig rig;
  rig.Enter(P::kBirthMonth, "3");
  rig.Enter(P::kBirthDay, "7");
  rig.Enter(P::kBirthYear, "1975");
  EXPECT_EQ(SpanBytes(rig.File(), 0, korvale::Field(FieldId::BirthYear).position, 8), "19750307");
  EXPECT_TRUE(rig.Warned().empty());
}

TEST(PlayerDataPage, CodesWithoutAnEntryShowNoEntry) {
  Rig rig(Roster([](PlayerFileBuilder& b) {
    b.Raw(1, FieldId::Position, "7")
        .Raw(1, FieldId::Hand, "2")
        .Raw(1, FieldId::SecondPosition, " 9");
  }));
  rig.Show(1);
  for (int id : {P::kPosition, P::kSecondPosition, P::kHand}) {  // not record 0's
    EXPECT_EQ(rig.controls.Selection(id), -1) << id;
  }
}

TEST(PlayerDataPage, PicksWriteTheirCodes) {
  Rig rig(Roster([](PlayerFileBuilder& b) { b.Raw(0, FieldId::SecondPosition, "-1"); }));
  EXPECT_EQ(rig.ShownEntry(P::kSecondPosition), "None");
  const struct {
    int list, index;
    FieldId field;
    std::string stored, shown;
  } picks[] = {
      {P::kPosition, 4, FieldId::Position, "4", "Point Guard"},
      {P::kHand, 1, FieldId::Hand, "1", "Left"},
      {P::kSecondPosition, 1, FieldId::SecondPosition, " 0", "Center"},  // None is -1
      {P::kSecondPosition, 0, FieldId::SecondPosition, "-1", "None"},
      {P::kOriginalTeam, 28, FieldId::OriginalTeam, "28", "Washington"},
      {P::kOriginalTeam, 1, FieldId::OriginalTeam, " 1", "Boston"},
  };
  for (const auto& p : picks) {
    rig.Pick(p.list, p.index);
    EXPECT_EQ(rig.Stored(p.field), p.stored) << p.list << " " << p.index;
    EXPECT_EQ(rig.ShownEntry(p.list), p.shown);
  }
  EXPECT_TRUE(rig.Warned().empty());
}

TEST(PlayerDataPage, DraftedByKeepsItsSpacesAndEmptiedWritesThree) {
  Rig rig(Roster([](PlayerFileBuilder& b) { b.Raw(0, FieldId::DraftedBy, "B  "); }));
  EXPECT_EQ(rig.Shown(P::kDraftedBy), "B  ");
  EXPECT_EQ(rig.controls.limits[P::kDraftedBy], 3);
  rig.Leave(P::kDraftedBy);
  EXPECT_EQ(rig.Stored(FieldId::DraftedBy), "B  ");
  rig.Enter(P::kDraftedBy, "");
  EXPECT_EQ(rig.Stored(FieldId::DraftedBy), "   ");
}

TEST(PlayerDataPage, ATwentySixCharacterNickname) {
  const std::string nick = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  Rig rig(Roster([&](PlayerFileBuilder& b) { b.Raw(0, FieldId::Nickname, nick); }));
  EXPECT_EQ(rig.Shown(P::kNickname), nick);

  // Every take stops at the nickname: a later value is not taken, and the
  // field being left is taken alone.
  rig.controls.texts[P::kDraftRound] = "7";
  rig.Enter(P::kWeight, "300");
  EXPECT_EQ(rig.Warned(), Rig::Warnings{"Please enter no more than 25 characters."});
  EXPECT_EQ(rig.page.Data().DraftRound, 1);
  EXPECT_EQ(rig.Stored(FieldId::Weight), "300");
  EXPECT_EQ(rig.controls.focus, P::kNickname);

  // Left unchanged, all 26 characters go back.
  rig.Leave(P::kNickname);
  EXPECT_EQ(rig.Stored(FieldId::Nickname), nick);

  // Shortened, 25 bytes are written and the 26th stored byte stays.
  rig.host.messages.Clear();
  rig.Enter(P::kNickname, nick.substr(0, 24));
  EXPECT_TRUE(rig.Warned().empty());
  EXPECT_EQ(rig.Stored(FieldId::Nickname), "ABCDEFGHIJKLMNOPQRSTUVWX Z");
}

TEST(PlayerDataPage, NameCommitsRebuildTheListsAndReselect) {
  Rig rig;
  const std::vector<std::string> rebuilt{"FillPlayerList", "SyncPlayerList", "FillRosterList"};
  rig.Enter(P::kFirstName, "Jim");
  EXPECT_EQ(rig.Stored(FieldId::FirstName), "Jim" + std::string(22, ' '));
  EXPECT_EQ(rig.host.calls, rebuilt);
  // The last name's field starts in front of the first name's: both intact.
  EXPECT_EQ(rig.Stored(FieldId::LastName), "Doe" + std::string(22, ' '));

  rig.host.calls.clear();
  rig.Leave(P::kLastName);  // unchanged, still a commit
  EXPECT_EQ(rig.host.calls, rebuilt);
}

TEST(PlayerDataPage, TextsArePaddedWithinTheirLimits) {
  Rig rig;
  rig.Enter(P::kBirthTown, "S\xC3\xA3o Paulo");
  EXPECT_EQ(rig.Stored(FieldId::BirthTown), std::string("S\xE3o Paulo") + std::string(11, ' '));
  EXPECT_EQ(rig.controls.limits[P::kLastName], 25);
  rig.Enter(P::kLastName, std::string(25, 'x'));
  EXPECT_EQ(rig.Stored(FieldId::LastName), std::string(25, 'x'));
  EXPECT_EQ(rig.Stored(FieldId::FirstName), "John" + std::string(21, ' '));
}

TEST(PlayerDataPage, NumbersKeepTheirStoredForms) {
  Rig rig;
  const struct {
    int id;
    FieldId field;
    std::string typed, stored;
  } cases[] = {
      {P::kDraftYear, FieldId::DraftYear, "0", "   0"},
      {P::kDraftRound, FieldId::DraftRound, "-1", " -1"},
      {P::kDraftOverall, FieldId::DraftOverall, " 255 ", "255"},
      {P::kDraftPlace, FieldId::DraftPlace, "7", "  7"},
      {P::kPlayerNumber, FieldId::PlayerNumber, "-1", "-1"},
      {P::kYearsPro, FieldId::YearsPro, "12", "12"},
      {P::kWeight, FieldId::Weight, "133", "133"},
      {P::kBirthMonth, FieldId::BirthMonth, "9", "09"},
      {P::kBirthDay, FieldId::BirthDay, "31", "31"},
      {P::kBirthYear, FieldId::BirthYear, "9999", "9999"},
  };
  for (const auto& c : cases) {
    rig.Enter(c.id, c.typed);
    EXPECT_EQ(rig.Stored(c.field), c.stored) << c.typed;
    EXPECT_TRUE(rig.Warned().empty()) << c.typed;
  }
}

TEST(PlayerDataPage, NoFileNoWriteNoMessage) {
  Rig rig;
  rig.host.file.ClosePlayerFile();
  const std::string before = rig.File();
  rig.Enter(P::kWeight, "x");
  rig.Enter(P::kFirstName, "Al");
  rig.Pick(P::kOriginalTeam, 3);
  rig.Pick(P::kSecondPosition, 2);
  EXPECT_EQ(rig.File(), before);
  EXPECT_TRUE(rig.Warned().empty());
  EXPECT_TRUE(rig.host.calls.empty());
}

TEST(PlayerDataPage, ClearEmptiesTheListsAndZeroesTheValues) {
  Rig rig;
  rig.page.Clear();
  for (int id : {P::kPosition, P::kSecondPosition, P::kHand, P::kOriginalTeam, P::kSchool}) {
    EXPECT_TRUE(rig.controls.entries[id].empty()) << id;
  }
  for (int id : {P::kFirstName, P::kDraftedBy, P::kHeightText}) EXPECT_EQ(rig.Shown(id), "");
  EXPECT_EQ(rig.Shown(P::kWeight), "0");
  EXPECT_EQ(rig.Shown(P::kBirthYear), "0");
  EXPECT_EQ(rig.page.Data().Height, 0);
}

// A command that redisplays while an edit holds typed text (Forward from
// the tool bar): the display replaces the text and the later leave writes
// the new record's value into the new record.
TEST(PlayerDataPage, RedisplayReplacesTypedTextAndTheLaterLeaveWritesTheNewRecord) {
  Rig rig(Roster([](PlayerFileBuilder& b) { b.Raw(1, FieldId::Weight, "240"); }));
  rig.controls.texts[P::kWeight] = "300";
  rig.Show(1);
  EXPECT_EQ(rig.Shown(P::kWeight), "240");
  rig.Leave(P::kWeight);
  EXPECT_EQ(rig.Stored(FieldId::Weight, 1), "240");
  EXPECT_EQ(rig.Stored(FieldId::Weight, 0), "215");
}

}  // namespace
