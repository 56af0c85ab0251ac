#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "ControlIds.h"
#include "PageBench.h"
#include "PlayerData2Page.h"
#include "PlayerDataPage.h"
#include "PlayerRatingsPage.h"
#include "SeasonStatsPage.h"

namespace {

using korvale::FieldId;
using korvale::testing::CheckedRoster;
using P = PlayerDataPage;

TEST(PlayerDataPage, TemplateBuildsTheControlsLabelsAndFrame) {
  PageBench<P> bench;
  for (int id : {P::kFirstName, P::kLastName, P::kNickname, P::kBirthMonth, P::kBirthDay,
                 P::kBirthYear, P::kBirthTown, P::kBirthState, P::kHeight, P::kWeight,
                 P::kPlayerNumber, P::kYearsPro, P::kDraftYear, P::kDraftRound, P::kDraftedBy,
                 P::kDraftOverall, P::kDraftPlace, P::kHeightText}) {
    EXPECT_NE(bench.Edit(id), nullptr) << id;
  }
  for (int id : {P::kSchool, P::kHand, P::kPosition, P::kSecondPosition, P::kOriginalTeam})
    EXPECT_NE(bench.page.List(id), nullptr) << id;
  EXPECT_EQ(QApplication::focusWidget(), bench.Edit(P::kFirstName));  // where the page opens
  EXPECT_TRUE(bench.Edit(P::kHeightText)->isReadOnly());
  EXPECT_FALSE(bench.page.List(P::kSchool)->isEnabled());
  QStringList labels;
  for (auto* label : bench.page.findChildren<QLabel*>()) labels << label->text();
  for (const char* text :
       {"First Name:", "Last Name:", "Nickname:", "Birthdate:", "Birthtown:",
        "Birthstate:", "School:",    "Hand:",     "Position:",  "Position 2:",
        "Height:",     "Weight:",    "Number:",   "Years Pro:", "Year:",
        "Round:",      "By:",        "Overall:",  "Place:",     "Original Team:"}) {
    EXPECT_TRUE(labels.contains(text)) << text;
  }
  EXPECT_EQ(labels.size(), 20);
  const auto frames = bench.page.findChildren<QGroupBox*>();
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0]->title(), "Draft Info");
  // The frame lies behind the draft edits, so they can be clicked.
  QLineEdit* round = bench.Edit(P::kDraftRound);
  EXPECT_EQ(bench.page.childAt(round->geometry().center()), round);
}

// Tab runs in the template's order (the code lists enabled); the values of
// a checked roster pass every commit on the way.
TEST(PageWidgets, TabFollowsTheTemplateOrder) {
  using Order = std::vector<int>;
  namespace d2 = korvale::res::playerdata2;
  namespace r = korvale::res::ratings;
  namespace s = korvale::res::season;
  PageBench<PlayerDataPage> data;
  EXPECT_EQ(data.TabOrder(P::kFirstName, 23),
            (Order{1002, 1003, 1004, 1005, 1024, 1025, 1006, 1007, 1014, 1012, 1013, 1009,
                   1010, 1008, 1018, 1016, 1019, 1017, 1020, 1023, 1015, 1011, 1002}));
  EXPECT_TRUE(data.host.messages.warnings.empty());
  PageBench<PlayerData2Page> data2(CheckedRoster().Raw(1, FieldId::PlayerPkg, ":AAAA"));
  EXPECT_EQ(
      data2.TabOrder(d2::kSkinColor, 15),
      (Order{d2::kSkinColor, d2::kBodyType, d2::kPlayerType, d2::kFacialHair, d2::kAccessories,
             d2::kHairStyle, d2::kIsCreated, d2::kIsPlayable, d2::kIsRom, d2::kIsHidden,
             d2::kPlayerPkg, d2::kSpeechHeader, d2::kSpeechData, d2::kPortrait, d2::kActionPhoto}));
  PageBench<PlayerRatingsPage> ratings;
  EXPECT_EQ(
      ratings.TabOrder(r::kJumpShooting, 9),
      (Order{r::kJumpShooting, r::kThreePointers, r::kFreeThrows, r::kInsideShooting, r::kDunking,
             r::kDunkPackage, r::kJumping, r::kPreferredDunk, r::kShootingRange}));
  PageBench<SeasonStatsPage> season;
  EXPECT_EQ(
      season.TabOrder(s::kMinutes, 16),
      (Order{s::kMinutes, s::kGames, s::kFieldGoalsMade, s::kFieldGoalsAttempted,
             s::kFreeThrowsMade, s::kFreeThrowsAttempted, s::kThreePointMade,
             s::kThreePointAttempted, s::kBlocks, s::kOffensiveRebounds, s::kDefensiveRebounds,
             s::kAssists, s::kSteals, s::kFouls, s::kTurnovers, s::kEjections}));
  for (const auto* messages :
       {&data2.host.messages, &ratings.host.messages, &season.host.messages}) {
    EXPECT_TRUE(messages->warnings.empty());
  }
}

TEST(PlayerDataPage, ProgramSelectionsNeverWriteTheUsersPicksDo) {
  PageBench<P> bench(CheckedRoster().Raw(1, FieldId::OriginalTeam, "3 "));
  const std::string before = bench.File();
  bench.page.LoadRecord();
  bench.page.FillPositionLists();
  EXPECT_EQ(bench.File(), before);

  bench.Pick(P::kOriginalTeam, 28);  // through the open list
  EXPECT_EQ(bench.Stored(FieldId::OriginalTeam), "28");
  QTest::keyClick(bench.page.List(P::kHand), Qt::Key_Down);  // on the closed list
  EXPECT_EQ(bench.Stored(FieldId::Hand), "1");
}

TEST(PlayerDataPage, OpeningAMenuDoesNotCommit) {
  PageBench<P> bench;
  const std::string before = bench.File();
  bench.Type(P::kWeight, "300");
  QMenu menu;
  menu.addAction("Select");
  menu.popup(bench.page.mapToGlobal(QPoint(0, 0)));
  QTRY_VERIFY(menu.isVisible());
  QTest::keyClick(&menu, Qt::Key_Escape);
  QTRY_VERIFY(!menu.isVisible());
  EXPECT_EQ(bench.File(), before);
  EXPECT_EQ(bench.Edit(P::kWeight)->text(), "300");
  bench.Edit(P::kWeight)->setFocus(Qt::OtherFocusReason);
  bench.Tab();  // the real move commits what was typed
  EXPECT_EQ(bench.Stored(FieldId::Weight), "300");
}

TEST(PlayerData2Page, AClickTicksTheBoxAndCommitsIt) {
  PageBench<PlayerData2Page> bench(CheckedRoster().Raw(1, FieldId::IsRom, "F"));
  auto* box = qobject_cast<QCheckBox*>(bench.page.Control(korvale::res::playerdata2::kIsRom));
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(bench.Stored(FieldId::IsRom), "T");
}

TEST(PlayerRatingsPage, TheOverallsAreReadOnly) {
  namespace r = korvale::res::ratings;
  PageBench<PlayerRatingsPage> bench;
  const std::string before = bench.File();
  for (const int id : {r::kOverallRating, r::kCalculatedOverall}) {
    EXPECT_TRUE(bench.Edit(id)->isReadOnly()) << id;
  }
  const QString shown = bench.Edit(r::kOverallRating)->text();
  bench.Type(r::kOverallRating, "12");  // typing does nothing
  bench.Tab();
  EXPECT_EQ(bench.Edit(r::kOverallRating)->text(), shown);
  EXPECT_EQ(bench.File(), before);
}

TEST(SeasonStatsPage, TheDerivedBoxesTakeNoTyping) {
  namespace s = korvale::res::season;
  PageBench<SeasonStatsPage> bench;
  for (const int id :
       {s::kPoints, s::kTotalRebounds, s::kMinutesPerGame, s::kPointsPerGame, s::kBlocksPerGame,
        s::kReboundsPerGame, s::kAssistsPerGame, s::kStealsPerGame, s::kFoulsPerGame,
        s::kTurnoversPerGame, s::kEjectionsPerGame, s::kFieldGoalPercent, s::kFreeThrowPercent,
        s::kThreePointPercent}) {
    EXPECT_FALSE(bench.Edit(id)->isEnabled()) << id;
  }
}

}  // namespace
