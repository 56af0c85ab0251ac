#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ControlIds.h"
#include "DialogTemplates.h"
#include "FakePageHost.h"
#include "PageBench.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "SeasonStatsPage.h"

namespace {

namespace ids = korvale::res::season;
using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;

// The nine per-game boxes.
constexpr int kPerGame[] = {ids::kMinutesPerGame,  ids::kPointsPerGame,    ids::kBlocksPerGame,
                            ids::kReboundsPerGame, ids::kAssistsPerGame,   ids::kStealsPerGame,
                            ids::kFoulsPerGame,    ids::kTurnoversPerGame, ids::kEjectionsPerGame};
// Every box the user cannot type in.
constexpr int kDerived[] = {ids::kPoints,           ids::kTotalRebounds,    ids::kMinutesPerGame,
                            ids::kPointsPerGame,    ids::kBlocksPerGame,    ids::kReboundsPerGame,
                            ids::kAssistsPerGame,   ids::kStealsPerGame,    ids::kFoulsPerGame,
                            ids::kTurnoversPerGame, ids::kEjectionsPerGame, ids::kFieldGoalPercent,
                            ids::kFreeThrowPercent, ids::kThreePointPercent};

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

// The page on record 1, the focus in Minutes unless told otherwise.
struct SeasonBench : PageBench<QtTestPage<SeasonStatsPage>> {
  explicit SeasonBench(const PlayerFileBuilder& file, int startIn = ids::kMinutes)
      : PageBench(file, startIn) {}
  QLineEdit* Box(int id) { return Edit(id); }
};

const QString kRange = "Please enter an integer between 0 and 99999.";

TEST(SeasonStatsPage, ShowsTotalsAndWhatFollowsFromThem) {
  SeasonBench bench(Season());
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
  for (const auto& c : cases) EXPECT_EQ(bench.Shown(c.box), c.shown) << c.box;
  for (const int id : kDerived) EXPECT_FALSE(bench.Box(id)->isEnabled()) << id;
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
    SeasonBench bench(Season().Raw(1, c.field, c.stored));
    EXPECT_EQ(bench.Shown(c.box), c.shown) << c.stored;
  }
  for (const char* games : {"    0", "   -2", "     "}) {
    SeasonBench bench(Season().Raw(1, FieldId::Games, games));
    for (const int id : kPerGame) EXPECT_EQ(bench.Shown(id), "---") << id;
    EXPECT_EQ(bench.Shown(ids::kFieldGoalPercent), "50.0");
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
    SeasonBench bench(Season());
    bench.Enter(ids::kSteals, c.typed);
    EXPECT_EQ(bench.Stored(FieldId::Steals), c.written) << c.typed;
    EXPECT_EQ(bench.Shown(ids::kSteals), c.shown);
    EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  }
}

TEST(SeasonStatsPage, AWriteRecomputesTheDerivedValues) {
  SeasonBench bench(Season());
  bench.Enter(ids::kFreeThrowsMade, "6");  // free throws made 4 -> 6
  EXPECT_EQ(bench.Stored(FieldId::FreeThrowsMade), "    6");
  EXPECT_EQ(bench.Shown(ids::kPoints), "29");
  EXPECT_EQ(bench.Shown(ids::kFreeThrowPercent), "120.0");
  EXPECT_EQ(bench.Shown(ids::kPointsPerGame), "7.3");  // 7.25
}

TEST(SeasonStatsPage, ANegativeStoredTotalIsShownAndRefusedUnchanged) {
  SeasonBench bench(Season().Raw(1, FieldId::Minutes, "   -3"));
  EXPECT_EQ(bench.Shown(ids::kMinutes), "-3");
  bench.Box(ids::kMinutes)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bench.Box(ids::kMinutes), Qt::Key_Tab);  // left unchanged
  EXPECT_EQ(bench.host.messages.warnings, QStringList{kRange});
  EXPECT_EQ(bench.Stored(FieldId::Minutes), "   -3");
  QTRY_COMPARE(QApplication::focusWidget(), bench.Box(ids::kMinutes));
  EXPECT_EQ(bench.Shown(ids::kMinutes), "-3");

  bench.host.messages.Clear();
  bench.Enter(ids::kMinutes, "3");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.Stored(FieldId::Minutes), "    3");
}

TEST(SeasonStatsPage, RefusedTextsAndNumbers) {
  const struct {
    const char* typed;
    QString message;
    const char* written;
    const char* shown;
  } cases[] = {
      {"", "Please enter an integer.", "    7", "7"},
      {"x1", "Please enter an integer.", "    7", "7"},
      {"100000", kRange, "    7", "100000"},
      {"-1", kRange, "    7", "-1"},
  };
  for (const auto& c : cases) {
    SeasonBench bench(Season().Number(1, FieldId::Assists, 7), ids::kAssists);
    const std::string before = bench.File();
    bench.Enter(ids::kAssists, c.typed);
    EXPECT_EQ(bench.host.messages.warnings, QStringList{c.message}) << c.typed;
    EXPECT_EQ(bench.Stored(FieldId::Assists), c.written);
    EXPECT_EQ(bench.File(), before);
    EXPECT_EQ(bench.Shown(ids::kAssists), c.shown);
    QTRY_COMPARE(QApplication::focusWidget(), bench.Box(ids::kAssists));
  }
}

TEST(SeasonStatsPage, AnEarlierBoxOutOfRangeIsReportedYetALaterOneIsWritten) {
  // Field goals attempted come first in the exchange order, games late.
  SeasonBench bench(Season().Raw(1, FieldId::FieldGoalsAttempted, "  -20"), ids::kGames);
  bench.Enter(ids::kGames, "9");
  EXPECT_EQ(bench.host.messages.warnings, QStringList{kRange});
  EXPECT_EQ(bench.Stored(FieldId::Games), "    9");
  EXPECT_EQ(bench.Shown(ids::kGames), "9");
  QTRY_COMPARE(QApplication::focusWidget(), bench.Box(ids::kFieldGoalsAttempted));
}

TEST(SeasonStatsPage, PointsBeyondOneBoxNeverBlockACommit) {
  PlayerFileBuilder file = Season();
  file.Number(1, FieldId::FieldGoalsMade, 99999).Number(1, FieldId::FreeThrowsMade, 99999);
  SeasonBench bench(file, ids::kGames);
  EXPECT_EQ(bench.Shown(ids::kPoints), "300000");
  bench.Enter(ids::kGames, "3");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.Stored(FieldId::Games), "    3");
  EXPECT_EQ(bench.Shown(ids::kPointsPerGame), "100000.0");  // (2 x 99999 + 3 + 99999) / 3
}

TEST(SeasonStatsPage, WithoutAFileNothingHappens) {
  SeasonBench bench(Season());
  const std::string before = bench.File();
  bench.host.file.ClosePlayerFile();
  bench.Enter(ids::kMinutes, "abc");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.File(), before);
}

TEST(SeasonStatsPage, ClearShowsZerosAndEmptyTexts) {
  SeasonBench bench(Season());
  bench.page.Clear();
  for (const auto& control : korvale::res::SeasonStatsPageTemplate().controls) {
    if (QLineEdit* box = bench.Box(control.id); box != nullptr) {
      const bool number =
          box->isEnabled() || control.id == ids::kPoints || control.id == ids::kTotalRebounds;
      EXPECT_EQ(box->text(), number ? "0" : "") << control.id;
    }
  }
}

TEST(SeasonStatsPage, TabVisitsTheTotalsInTheirOrder) {
  SeasonBench bench(Season());
  const int order[] = {ids::kGames,
                       ids::kFieldGoalsMade,
                       ids::kFieldGoalsAttempted,
                       ids::kFreeThrowsMade,
                       ids::kFreeThrowsAttempted,
                       ids::kThreePointMade,
                       ids::kThreePointAttempted,
                       ids::kBlocks,
                       ids::kOffensiveRebounds,
                       ids::kDefensiveRebounds,
                       ids::kAssists,
                       ids::kSteals,
                       ids::kFouls,
                       ids::kTurnovers,
                       ids::kEjections};
  for (const int id : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), bench.Box(id)) << id;
  }
}

}  // namespace
