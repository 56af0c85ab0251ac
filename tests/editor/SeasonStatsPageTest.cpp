#include <gtest/gtest.h>

#include <algorithm>

#include "ControlIds.h"
#include "PageRig.h"
#include "SeasonStatsPage.h"

namespace {

namespace ids = korvale::res::season;
using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using Rig = PageRig<SeasonStatsPage>;
using Warnings = std::vector<std::string>;

// The nine per-game boxes.
constexpr int kPerGame[] = {ids::kMinutesPerGame,  ids::kPointsPerGame,    ids::kBlocksPerGame,
                            ids::kReboundsPerGame, ids::kAssistsPerGame,   ids::kStealsPerGame,
                            ids::kFoulsPerGame,    ids::kTurnoversPerGame, ids::kEjectionsPerGame};

// Record 1: 10 FGM of 20, 3 3PTM of 8, 4 FTM of 5, 2 ORB and 6 DRB, 7 assists,
// 12 minutes, 4 games; the other totals 0.
PlayerFileBuilder Season() {
  PlayerFileBuilder file(2);
  file.Number(1, FieldId::FieldGoalsMade, 10).Number(1, FieldId::FieldGoalsAttempted, 20);
  file.Number(1, FieldId::ThreePointMade, 3).Number(1, FieldId::ThreePointAttempted, 8);
  file.Number(1, FieldId::FreeThrowsMade, 4).Number(1, FieldId::FreeThrowsAttempted, 5);
  file.Number(1, FieldId::OffensiveRebounds, 2).Number(1, FieldId::DefensiveRebounds, 6);
  file.Number(1, FieldId::Assists, 7).Number(1, FieldId::Minutes, 12);
  for (const FieldId f :
       {FieldId::Blocks, FieldId::Fouls, FieldId::Steals, FieldId::Turnovers, FieldId::Ejections}) {
    file.Number(1, f, 0);
  }
  return file.Number(1, FieldId::Games, 4);
}

const std::string kRange = "Please enter an integer between 0 and 99999.";

TEST(SeasonStatsPage, ShowsTotalsAndWhatFollowsFromThem) {
  Rig rig(Season());
  const struct {
    int box;
    const char* shown;
  } cases[] = {{ids::kFieldGoalsMade, "10"},
               {ids::kFieldGoalsAttempted, "20"},
               {ids::kPoints, "27"},
               {ids::kTotalRebounds, "8"},
               {ids::kFieldGoalPercent, "50.0"},
               {ids::kThreePointPercent, "37.5"},
               {ids::kFreeThrowPercent, "80.0"},
               {ids::kPointsPerGame, "6.8"},
               {ids::kMinutesPerGame, "3.0"},
               {ids::kReboundsPerGame, "2.0"},
               {ids::kAssistsPerGame, "1.8"},
               {ids::kStealsPerGame, "0.0"},
               {ids::kEjectionsPerGame, "0.0"}};
  for (const auto& c : cases) EXPECT_EQ(rig.Shown(c.box), c.shown) << c.box;
}

TEST(SeasonStatsPage, PerGameValuesAndPercentagesAtTheirEdges) {
  const struct {
    FieldId field;
    const char* stored;
    int box;
    const char* shown;
  } cases[] = {
      {FieldId::FieldGoalsAttempted, "    0", ids::kFieldGoalPercent, "---"},
      {FieldId::FieldGoalsAttempted, "    8", ids::kFieldGoalPercent, "125.0"},  // 10 of 8
      {FieldId::FieldGoalsAttempted, "   16", ids::kFieldGoalPercent, "62.5"},
      {FieldId::FreeThrowsAttempted, "   -1", ids::kFreeThrowPercent, "---"},
      {FieldId::FreeThrowsAttempted, "   16", ids::kFreeThrowPercent, "25.0"},
      {FieldId::ThreePointAttempted, "    9", ids::kThreePointPercent, "33.3"},
      {FieldId::ThreePointAttempted, "   48", ids::kThreePointPercent,
       "6.3"},  // 6.25 away from zero
      {FieldId::Games, "     ", ids::kPoints, "27"},
      {FieldId::Games, "   12", ids::kPointsPerGame, "2.3"},  // 27 / 12 = 2.25
      {FieldId::Minutes, "    3", ids::kMinutesPerGame, "0.8"},
  };
  for (const auto& c : cases) {
    Rig rig(Season().Raw(1, c.field, c.stored));
    EXPECT_EQ(rig.Shown(c.box), c.shown) << c.stored;
  }
  for (const char* games : {"    0", "   -2", "     "}) {
    Rig rig(Season().Raw(1, FieldId::Games, games));
    for (const int id : kPerGame) EXPECT_EQ(rig.Shown(id), "---") << id;
    EXPECT_EQ(rig.Shown(ids::kFieldGoalPercent), "50.0");
  }
}

TEST(SeasonStatsPage, TypedTotalsAreWrittenRightAlignedInFiveBytes) {
  const struct {
    const char* typed;
    const char* written;
    const char* shown;
  } cases[] = {{"3", "    3", "3"},
               {" 42 ", "   42", "42"},
               {"99999", "99999", "99999"},
               {"0", "    0", "0"}};
  for (const auto& c : cases) {
    Rig rig(Season());
    rig.Enter(ids::kSteals, c.typed);
    EXPECT_EQ(rig.Stored(FieldId::Steals), c.written) << c.typed;
    EXPECT_EQ(rig.Shown(ids::kSteals), c.shown);
    EXPECT_TRUE(rig.host.messages.warnings.empty());
  }
}

TEST(SeasonStatsPage, AWriteRecomputesTheDerivedValues) {
  Rig rig(Season());
  rig.Enter(ids::kFreeThrowsMade, "6");  // free throws made 4 -> 6
  EXPECT_EQ(rig.Stored(FieldId::FreeThrowsMade), "    6");
  EXPECT_EQ(rig.Shown(ids::kPoints), "29");
  EXPECT_EQ(rig.Shown(ids::kFreeThrowPercent), "120.0");
  EXPECT_EQ(rig.Shown(ids::kPointsPerGame), "7.3");  // 7.25
}

TEST(SeasonStatsPage, ANegativeStoredTotalIsShownAndRefusedUnchanged) {
  Rig rig(Season().Raw(1, FieldId::Minutes, "   -3"));
  EXPECT_EQ(rig.Shown(ids::kMinutes), "-3");
  rig.Leave(ids::kMinutes);  // left unchanged
  EXPECT_EQ(rig.host.messages.warnings, Warnings{kRange});
  EXPECT_EQ(rig.Stored(FieldId::Minutes), "   -3");
  EXPECT_EQ(rig.controls.focus, ids::kMinutes);
  EXPECT_EQ(rig.Shown(ids::kMinutes), "-3");

  rig.host.messages.Clear();
  rig.Enter(ids::kMinutes, "3");
  EXPECT_TRUE(rig.host.messages.warnings.empty());
  EXPECT_EQ(rig.Stored(FieldId::Minutes), "    3");
}

TEST(SeasonStatsPage, RefusedTextsAndNumbers) {
  const struct {
    const char* typed;
    std::string message;
    const char* written;
    const char* shown;
  } cases[] = {
      {"", "Please enter an integer.", "    7", "7"},
      {"x1", "Please enter an integer.", "    7", "7"},
      {"100000", kRange, "    7", "100000"},
      {"-1", kRange, "    7", "-1"},
  };
  for (const auto& c : cases) {
    Rig rig(Season().Number(1, FieldId::Assists, 7));
    const std::string before = rig.File();
    rig.Enter(ids::kAssists, c.typed);
    EXPECT_EQ(rig.host.messages.warnings, Warnings{c.message}) << c.typed;
    EXPECT_EQ(rig.Stored(FieldId::Assists), c.written);
    EXPECT_EQ(rig.File(), before);
    EXPECT_EQ(rig.Shown(ids::kAssists), c.shown);
    EXPECT_EQ(rig.controls.focus, ids::kAssists);
  }
}

TEST(SeasonStatsPage, AnEarlierBoxOutOfRangeIsReportedYetALaterOneIsWritten) {
  // Field goals attempted come first in the exchange order, games late.
  Rig rig(Season().Raw(1, FieldId::FieldGoalsAttempted, "  -20"));
  rig.Enter(ids::kGames, "9");
  EXPECT_EQ(rig.host.messages.warnings, Warnings{kRange});
  EXPECT_EQ(rig.Stored(FieldId::Games), "    9");
  EXPECT_EQ(rig.Shown(ids::kGames), "9");
  EXPECT_EQ(rig.controls.focus, ids::kFieldGoalsAttempted);
}

TEST(SeasonStatsPage, PointsBeyondOneBoxNeverBlockACommit) {
  PlayerFileBuilder file = Season();
  file.Number(1, FieldId::FieldGoalsMade, 99999).Number(1, FieldId::FreeThrowsMade, 99999);
  Rig rig(file);
  EXPECT_EQ(rig.Shown(ids::kPoints), "300000");
  rig.Enter(ids::kGames, "3");
  EXPECT_TRUE(rig.host.messages.warnings.empty());
  EXPECT_EQ(rig.Stored(FieldId::Games), "    3");
  EXPECT_EQ(rig.Shown(ids::kPointsPerGame), "100000.0");  // (2 x 99999 + 3 + 99999) / 3
}

TEST(SeasonStatsPage, WithoutAFileNothingHappens) {
  Rig rig(Season());
  const std::string before = rig.File();
  rig.host.file.ClosePlayerFile();
  rig.Enter(ids::kMinutes, "abc");
  EXPECT_TRUE(rig.host.messages.warnings.empty());
  EXPECT_EQ(rig.File(), before);
}

TEST(SeasonStatsPage, ClearShowsZerosAndEmptyTexts) {
  Rig rig(Season());
  rig.page.Clear();
  std::vector<int> texts(std::begin(kPerGame), std::end(kPerGame));
  texts.insert(texts.end(),
               {ids::kFieldGoalPercent, ids::kFreeThrowPercent, ids::kThreePointPercent});
  EXPECT_EQ(rig.controls.texts.size(), 16U + 2U + texts.size());  // and points, rebounds
  for (const auto& [id, text] : rig.controls.texts) {
    EXPECT_EQ(text, std::ranges::count(texts, id) != 0 ? "" : "0") << id;
  }
}

}  // namespace
