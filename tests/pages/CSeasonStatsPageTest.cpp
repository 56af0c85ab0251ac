#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ControlIds.h"
#include "PageBench.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "SeasonStatsPage.h"

namespace {

namespace ids = korvale::res::season;
using korvale::testing::PlayerFileBuilder;

// Every box the user cannot type in.
constexpr int kDerived[] = {ids::kPoints,           ids::kTotalRebounds,    ids::kMinutesPerGame,
                            ids::kPointsPerGame,    ids::kBlocksPerGame,    ids::kReboundsPerGame,
                            ids::kAssistsPerGame,   ids::kStealsPerGame,    ids::kFoulsPerGame,
                            ids::kTurnoversPerGame, ids::kEjectionsPerGame, ids::kFieldGoalPercent,
                            ids::kFreeThrowPercent, ids::kThreePointPercent};

// The page on a blank record, the focus in Minutes.
struct SeasonBench : PageBench<QtTestPage<SeasonStatsPage>> {
  SeasonBench() : PageBench(PlayerFileBuilder(2), ids::kMinutes) {}
};

TEST(SeasonStatsPage, TheDerivedBoxesTakeNoTyping) {
  SeasonBench bench;
  for (const int id : kDerived) EXPECT_FALSE(bench.Edit(id)->isEnabled()) << id;
}

TEST(SeasonStatsPage, TabVisitsTheTotalsInTheirOrder) {
  SeasonBench bench;
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
    EXPECT_EQ(QApplication::focusWidget(), bench.Edit(id)) << id;
  }
}

}  // namespace
