#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "Cli.h"
#include "ControlIds.h"
#include "PageRig.h"
#include "PlayerRatingsPage.h"
#include "Ratings.h"
#include "ScopedVariable.h"

namespace {

namespace ids = korvale::res::ratings;
using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ScopedVariable;
using korvale::testing::TempDir;
using Rig = PageRig<PlayerRatingsPage>;
using Warnings = std::vector<std::string>;

// Record 1 of a two-record file: every rating 60 (code "20"), dunks 3 and 2,
// ranges 15 and 10, stored overall 77. The shown sum is 1225: 61.25.
PlayerFileBuilder Player() {
  PlayerFileBuilder file(2);
  for (const FieldId field : korvale::kRatingFields) file.Number(1, field, 20);
  file.Number(1, FieldId::DunkPackage, 3).Number(1, FieldId::PreferredDunk, 2);
  file.Number(1, FieldId::ShootingRange, 15).Number(1, FieldId::ShootingRange2, 10);
  return file.Number(1, FieldId::OverallRating, 77);
}

std::string Between(int low, int high) {
  return "Please enter an integer between " + std::to_string(low) + " and " + std::to_string(high) +
         ".";
}

TEST(PlayerRatingsPage, StoredRatingsShowOnTheirScale) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {{" 0", "50"}, {" 1", "50"}, {"72", "86"}, {"73", "86"},
               {"98", "99"}, {"99", "99"}, {"  ", "50"}, {"-3", "49"}};
  for (const auto& c : cases) {
    Rig rig(Player().Raw(1, FieldId::Clutch, c.stored));
    EXPECT_EQ(rig.Shown(ids::kClutch), c.shown) << c.stored;
  }
}

TEST(PlayerRatingsPage, ShowsEveryValueOfTheRecord) {
  Rig rig(Player().Raw(1, FieldId::ShootingRange, "5 "));
  EXPECT_EQ(rig.Shown(ids::kJumpShooting), "60");
  EXPECT_EQ(rig.Shown(ids::kDunkPackage), "3");
  EXPECT_EQ(rig.Shown(ids::kPreferredDunk), "2");
  EXPECT_EQ(rig.Shown(ids::kShootingRange), "5");
  EXPECT_EQ(rig.Shown(ids::kShootingRange2), "10");
  EXPECT_EQ(rig.Shown(ids::kOverallRating), "77");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "60.75");  // 1215 * 0.05
}

TEST(PlayerRatingsPage, LoadingLeavesTheCalculatedOverallAlone) {
  Rig rig(Player());
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.25");
  rig.host.file.SetCurrentRecord(0);  // a blank record
  rig.page.LoadRecord();
  EXPECT_EQ(rig.Shown(ids::kJumpShooting), "50");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.25");
  rig.page.RecalculateOverall();
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "50");  // 20 x 50 and two ranges of 0
}

TEST(PlayerRatingsPage, EnteredRatingsAreWrittenAsTwoByteCodes) {
  const struct {
    const char* stored;
    const char* typed;  // empty: left unchanged
    const char* written;
  } cases[] = {{"73", "", "72"},   {"99", "", "98"},   {"20", "50", " 0"},
               {"20", "54", " 8"}, {"20", "55", "10"}, {"20", "99", "98"}};
  for (const auto& c : cases) {
    Rig rig(Player().Raw(1, FieldId::Stealing, c.stored));
    const std::string before = rig.File();
    if (*c.typed) {
      rig.Enter(ids::kStealing, c.typed);
    } else {
      rig.Leave(ids::kStealing);
    }
    const std::string after = rig.File();
    EXPECT_EQ(rig.Stored(FieldId::Stealing), c.written) << c.typed;
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, korvale::Field(FieldId::Stealing).OffsetIn(1)),
              before.substr(0, korvale::Field(FieldId::Stealing).OffsetIn(1)));
    EXPECT_TRUE(rig.host.messages.warnings.empty());
    const int shown = korvale::RatingFromCode(std::stoi(c.written));
    EXPECT_EQ(rig.Shown(ids::kStealing), std::to_string(shown));
    const double overall = korvale::CalculatedOverallOf(1225 - 60 + shown);
    EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), korvale::OverallText(overall));
  }
}

TEST(PlayerRatingsPage, OtherValuesAreWrittenWithinTheirRanges) {
  const struct {
    int edit;
    FieldId field;
    const char* typed;
    const char* written;  // empty: refused
    std::string message;
    const char* overall;  // the calculated overall afterwards
  } cases[] = {
      {ids::kShootingRange, FieldId::ShootingRange, "8", " 8", "", "60.9"},
      {ids::kShootingRange, FieldId::ShootingRange, "25", "25", "", "61.75"},
      {ids::kShootingRange, FieldId::ShootingRange, "7", "", Between(8, 25), "61.25"},
      {ids::kShootingRange, FieldId::ShootingRange, "26", "", Between(8, 25), "61.25"},
      {ids::kShootingRange2, FieldId::ShootingRange2, "0", " 0", "", "60.75"},
      {ids::kShootingRange2, FieldId::ShootingRange2, "17", "17", "", "61.6"},
      {ids::kShootingRange2, FieldId::ShootingRange2, "18", "", Between(0, 17), "61.25"},
      {ids::kDunkPackage, FieldId::DunkPackage, "6", "6", "", "61.25"},
      {ids::kDunkPackage, FieldId::DunkPackage, "7", "", Between(0, 6), "61.25"},
      {ids::kPreferredDunk, FieldId::PreferredDunk, "5", "5", "", "61.25"},
      {ids::kPreferredDunk, FieldId::PreferredDunk, "6", "", Between(0, 5), "61.25"},
      {ids::kJumpShooting, FieldId::JumpShooting, "49", "", Between(50, 99), "61.25"},
      {ids::kJumpShooting, FieldId::JumpShooting, "100", "", Between(50, 99), "61.25"},
  };
  for (const auto& c : cases) {
    Rig rig(Player());
    const std::string before = rig.Stored(c.field);
    rig.Enter(c.edit, c.typed);
    const bool refused = !c.message.empty();
    EXPECT_EQ(rig.Stored(c.field), refused ? before : c.written) << c.typed;
    EXPECT_EQ(rig.host.messages.warnings, refused ? Warnings{c.message} : Warnings{});
    EXPECT_EQ(rig.Shown(c.edit), c.typed);
    // A written rating or range brings the overall up to date.
    EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), c.overall) << c.typed;
    EXPECT_EQ(rig.controls.focus, refused ? c.edit : 0) << c.typed;
  }
}

TEST(PlayerRatingsPage, TheOverallFollowsRatingAndRangeWrites) {
  Rig rig(Player());
  rig.Enter(ids::kShootingRange, "25");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.75");  // 1225 + 10
  rig.Enter(ids::kJumpShooting, "61");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.8");  // 1225 + 10 + 1
  rig.Enter(ids::kShootingRange2, "0");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.3");  // 1225 + 10 + 1 - 10
}

TEST(PlayerRatingsPage, CalculatedOverallAtTheExtremes) {
  const struct {
    std::int32_t code, range, range2;
    const char* shown;
  } cases[] = {{0, 8, 0, "50.4"}, {98, 25, 17, "101.1"}, {50, 0, 0, "75"}};
  for (const auto& c : cases) {
    PlayerFileBuilder file = Player();
    for (const FieldId field : korvale::kRatingFields) file.Number(1, field, c.code);
    file.Number(1, FieldId::ShootingRange, c.range).Number(1, FieldId::ShootingRange2, c.range2);
    Rig rig(file);
    EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), c.shown);
  }
}

TEST(PlayerRatingsPage, AStoredValueOutOfRangeIsReportedYetTheCommittedValueIsWritten) {
  // ShootingRange is ninth in the exchange order; JumpShooting first,
  // Strength last.
  Rig rig(Player().Raw(1, FieldId::ShootingRange, " 5"));
  rig.Enter(ids::kJumpShooting, "70");
  EXPECT_EQ(rig.Stored(FieldId::JumpShooting), "40");
  EXPECT_EQ(rig.host.messages.warnings, Warnings{Between(8, 25)});
  EXPECT_EQ(rig.controls.focus, ids::kShootingRange);
  EXPECT_EQ(rig.Shown(ids::kShootingRange), "5");

  rig.host.messages.Clear();
  rig.Enter(ids::kStrength, "80");
  EXPECT_EQ(rig.host.messages.warnings, Warnings{Between(8, 25)});
  // Taken on its own and written: never its old value over the new one.
  EXPECT_EQ(rig.Stored(FieldId::Strength), "60");
  EXPECT_EQ(rig.Shown(ids::kStrength), "80");
  EXPECT_EQ(rig.Stored(FieldId::ShootingRange), " 5");
}

TEST(PlayerRatingsPage, TextThatIsNoIntegerRewritesThePreviousValue) {
  Rig rig(Player().Raw(1, FieldId::Passing, "21"));
  rig.Enter(ids::kPassing, "abc");
  EXPECT_EQ(rig.host.messages.warnings, Warnings{"Please enter an integer."});
  EXPECT_EQ(rig.Stored(FieldId::Passing), "20");
  EXPECT_EQ(rig.Shown(ids::kPassing), "60");
  EXPECT_EQ(rig.controls.focus, ids::kPassing);
}

TEST(PlayerRatingsPage, StoredOverallIsShownButNeverWritten) {
  Rig rig(Player());
  const std::string before = rig.File();
  rig.Leave(ids::kOverallRating);
  EXPECT_EQ(rig.File(), before);
  rig.Enter(ids::kThreePointers, "60");
  EXPECT_EQ(rig.Stored(FieldId::OverallRating), "77");
  EXPECT_EQ(rig.Shown(ids::kOverallRating), "77");
  EXPECT_EQ(rig.Shown(ids::kCalculatedOverall), "61.25");
}

TEST(PlayerRatingsPage, WithoutAFileNothingIsTakenOrWritten) {
  Rig rig(Player());
  const std::string before = rig.File();
  rig.host.file.ClosePlayerFile();
  rig.Enter(ids::kJumpShooting, "abc");
  EXPECT_TRUE(rig.host.messages.warnings.empty());
  EXPECT_EQ(rig.File(), before);
}

TEST(PlayerRatingsPage, ClearShowsZeroEverywhere) {
  Rig rig(Player());
  rig.page.Clear();
  EXPECT_EQ(rig.controls.texts.size(), PlayerRatingsPage::kEditableCount + 2);  // and the overalls
  for (const auto& [id, text] : rig.controls.texts) EXPECT_EQ(text, "0") << id;
}

// Every commit that changes bytes is one change set in the roster's
// history, which korvale-cli shows on the ratings scale; passing through a
// box records nothing.
TEST(PlayerRatingsPage, CommitsThatChangeBytesAreRecordedInTheHistory) {
  TempDir history;
  const ScopedVariable folder("KORVALE_HISTORY_DIR", history.Path().string());
  Rig rig(Player().Text(1, FieldId::LastName, "Okafor").Text(1, FieldId::FirstName, "Emeka"));
  rig.Leave(ids::kJumpShooting);
  rig.Leave(ids::kStealing);
  rig.Enter(ids::kStealing, "75");
  rig.Enter(ids::kJumpShooting, "99");
  rig.Enter(ids::kJumpShooting, "99");
  const std::string roster = rig.host.file.FilePath();
  rig.host.file.ClosePlayerFile();  // as the editor lets go of it
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(korvale::cli::RunCli({"history", roster}, in, out, err), 0);
  const std::string listed = out.str();
  EXPECT_EQ(listed.rfind("2  ", 0), 0U) << listed;
  EXPECT_NE(listed.find("  editor  1 field\n    Okafor, Emeka (id 0)  JumpShooting  60 -> 99\n1  "),
            std::string::npos)
      << listed;
  EXPECT_NE(listed.find("  editor  1 field\n    Okafor, Emeka (id 0)  Stealing  60 -> 75\n"),
            std::string::npos)
      << listed;
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 4) << listed;
}

TEST(PlayerRatingsPage, AHistoryThatCannotBeWrittenIsReportedOnceAndTheEditsGoAhead) {
  TempDir dir;
  const ScopedVariable folder("KORVALE_HISTORY_DIR", (dir / "Players.dbf" / "history").string());
  Rig rig(Player());
  Player().WriteTo(dir / "Players.dbf");
  rig.Enter(ids::kStealing, "75");
  rig.Enter(ids::kJumpShooting, "99");
  EXPECT_EQ(rig.Stored(FieldId::Stealing), "50");
  EXPECT_EQ(rig.Stored(FieldId::JumpShooting), "98");
  ASSERT_EQ(rig.host.messages.warnings.size(), 1U);
  EXPECT_NE(rig.host.messages.warnings[0].find("could not be written"), std::string::npos);
}

}  // namespace
