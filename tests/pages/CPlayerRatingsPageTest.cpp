#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ControlIds.h"
#include "PageBench.h"
#include "PlayerFileBuilder.h"
#include "PlayerRatingsPage.h"
#include "QtTestPage.h"
#include "Ratings.h"

namespace {

namespace ids = korvale::res::ratings;
using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;

// Record 1 of a two-record file: every value within its range, stored
// overall 77.
PlayerFileBuilder Player() {
  PlayerFileBuilder file(2);
  for (const FieldId field : korvale::kRatingFields) file.Number(1, field, 20);
  file.Number(1, FieldId::ShootingRange, 15).Number(1, FieldId::ShootingRange2, 10);
  return file.Number(1, FieldId::OverallRating, 77);
}

// The page on record 1, the focus in Jump Shooting.
struct RatingsBench : PageBench<QtTestPage<PlayerRatingsPage>> {
  RatingsBench() : PageBench(Player(), ids::kJumpShooting) {}
};

TEST(PlayerRatingsPage, TheOverallsAreReadOnly) {
  RatingsBench bench;
  const std::string before = bench.File();
  for (const int id : {ids::kOverallRating, ids::kCalculatedOverall}) {
    EXPECT_TRUE(bench.Edit(id)->isReadOnly()) << id;
  }
  bench.Enter(ids::kOverallRating, "12");  // typing does nothing
  EXPECT_EQ(bench.Shown(ids::kOverallRating), "77");
  EXPECT_EQ(bench.File(), before);
}

TEST(PlayerRatingsPage, TabFollowsTheTemplateOrder) {
  RatingsBench bench;
  bench.Edit(ids::kJumpShooting)->setFocus(Qt::TabFocusReason);
  const int order[] = {ids::kThreePointers, ids::kFreeThrows,   ids::kInsideShooting,
                       ids::kDunking,       ids::kDunkPackage,  ids::kJumping,
                       ids::kPreferredDunk, ids::kShootingRange};
  for (const int id : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), bench.Edit(id)) << id;
  }
}

}  // namespace
