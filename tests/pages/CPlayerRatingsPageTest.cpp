#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <sstream>

#include "Cli.h"
#include "ControlIds.h"
#include "DialogTemplates.h"
#include "FakePageHost.h"
#include "PageBench.h"
#include "PlayerFileBuilder.h"
#include "PlayerRatingsPage.h"
#include "QtTestPage.h"
#include "Ratings.h"
#include "ScopedVariable.h"

namespace {

namespace ids = korvale::res::ratings;
using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::ScopedVariable;
using korvale::testing::TempDir;

// Record 1 of a two-record file: every rating 60 (code "20"), dunks 3 and 2,
// ranges 15 and 10, stored overall 77. The shown sum is 1225: 61.25.
PlayerFileBuilder Player() {
  PlayerFileBuilder file(2);
  for (const FieldId field : korvale::kRatingFields) file.Number(1, field, 20);
  file.Number(1, FieldId::DunkPackage, 3).Number(1, FieldId::PreferredDunk, 2);
  file.Number(1, FieldId::ShootingRange, 15).Number(1, FieldId::ShootingRange2, 10);
  return file.Number(1, FieldId::OverallRating, 77);
}

// The page on record 1, the focus in Jump Shooting unless told otherwise.
struct RatingsBench : PageBench<QtTestPage<PlayerRatingsPage>> {
  explicit RatingsBench(const PlayerFileBuilder& file, int startIn = ids::kJumpShooting)
      : PageBench(file, startIn) {}
};

QString Between(int low, int high) {
  return QString("Please enter an integer between %1 and %2.").arg(low).arg(high);
}

TEST(PlayerRatingsPage, StoredRatingsShowOnTheirScale) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {{" 0", "50"}, {" 1", "50"}, {"72", "86"}, {"73", "86"},
               {"98", "99"}, {"99", "99"}, {"  ", "50"}, {"-3", "49"}};
  for (const auto& c : cases) {
    RatingsBench bench(Player().Raw(1, FieldId::Clutch, c.stored));
    EXPECT_EQ(bench.Edit(ids::kClutch)->text(), c.shown) << c.stored;
  }
}

TEST(PlayerRatingsPage, ShowsEveryValueOfTheRecord) {
  RatingsBench bench(Player().Raw(1, FieldId::ShootingRange, "5 "));
  EXPECT_EQ(bench.Edit(ids::kJumpShooting)->text(), "60");
  EXPECT_EQ(bench.Edit(ids::kDunkPackage)->text(), "3");
  EXPECT_EQ(bench.Edit(ids::kPreferredDunk)->text(), "2");
  EXPECT_EQ(bench.Edit(ids::kShootingRange)->text(), "5");
  EXPECT_EQ(bench.Edit(ids::kShootingRange2)->text(), "10");
  EXPECT_EQ(bench.Edit(ids::kOverallRating)->text(), "77");
  EXPECT_TRUE(bench.Edit(ids::kOverallRating)->isReadOnly());
  EXPECT_TRUE(bench.Edit(ids::kCalculatedOverall)->isReadOnly());
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "60.75");  // 1215 * 0.05
}

TEST(PlayerRatingsPage, LoadingLeavesTheCalculatedOverallAlone) {
  RatingsBench bench(Player());
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.25");
  bench.host.file.SetCurrentRecord(0);  // a blank record
  bench.page.LoadRecord();
  EXPECT_EQ(bench.Edit(ids::kJumpShooting)->text(), "50");
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.25");
  bench.page.RecalculateOverall();
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "50");  // 20 x 50 and two ranges of 0
}

TEST(PlayerRatingsPage, EnteredRatingsAreWrittenAsTwoByteCodes) {
  const struct {
    const char* stored;
    const char* typed;  // empty: left unchanged
    const char* written;
  } cases[] = {{"73", "", "72"},   {"99", "", "98"},   {"20", "50", " 0"},
               {"20", "54", " 8"}, {"20", "55", "10"}, {"20", "99", "98"}};
  for (const auto& c : cases) {
    RatingsBench bench(Player().Raw(1, FieldId::Stealing, c.stored));
    const std::string before = bench.File();
    if (*c.typed) {
      bench.Enter(ids::kStealing, c.typed);
    } else {
      bench.Leave(ids::kStealing);
    }
    const std::string after = bench.File();
    EXPECT_EQ(bench.Stored(FieldId::Stealing), c.written) << c.typed;
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, korvale::Field(FieldId::Stealing).OffsetIn(1)),
              before.substr(0, korvale::Field(FieldId::Stealing).OffsetIn(1)));
    EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
    const int shown = korvale::RatingFromCode(std::stoi(c.written));
    EXPECT_EQ(bench.Edit(ids::kStealing)->text(), QString::number(shown));
    const double overall = korvale::CalculatedOverallOf(1225 - 60 + shown);
    EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(),
              QString::fromStdString(korvale::OverallText(overall)));
  }
}

TEST(PlayerRatingsPage, OtherValuesAreWrittenWithinTheirRanges) {
  const struct {
    int edit;
    FieldId field;
    const char* typed;
    const char* written;  // empty: refused
    QString message;
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
    RatingsBench bench(Player());
    const std::string before = bench.Stored(c.field);
    bench.Enter(c.edit, c.typed);
    const bool refused = c.message.size() > 0;
    EXPECT_EQ(bench.Stored(c.field), refused ? before : c.written) << c.typed;
    EXPECT_EQ(bench.host.messages.warnings, refused ? QStringList{c.message} : QStringList{});
    EXPECT_EQ(bench.Edit(c.edit)->text(), c.typed);
    // A written rating or range brings the overall up to date.
    EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), c.overall) << c.typed;
    if (refused) {
      QTRY_COMPARE(QApplication::focusWidget(), bench.Edit(c.edit));
      EXPECT_EQ(bench.Edit(c.edit)->selectedText(), c.typed);
    }
  }
}

TEST(PlayerRatingsPage, TheOverallFollowsRatingAndRangeWrites) {
  RatingsBench bench(Player());
  bench.Enter(ids::kShootingRange, "25");
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.75");  // 1225 + 10
  bench.Enter(ids::kJumpShooting, "61");
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.8");  // 1225 + 10 + 1
  bench.Enter(ids::kShootingRange2, "0");
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.3");  // 1225 + 10 + 1 - 10
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
    RatingsBench bench(file);
    EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), c.shown);
  }
}

TEST(PlayerRatingsPage, AStoredValueOutOfRangeIsReportedYetTheCommittedValueIsWritten) {
  // ShootingRange is ninth in the exchange order; JumpShooting first,
  // Strength last.
  const PlayerFileBuilder file = Player().Raw(1, FieldId::ShootingRange, " 5");
  {
    RatingsBench bench(file, ids::kJumpShooting);
    bench.Enter(ids::kJumpShooting, "70");
    EXPECT_EQ(bench.Stored(FieldId::JumpShooting), "40");
    EXPECT_EQ(bench.host.messages.warnings, QStringList{Between(8, 25)});
    QTRY_COMPARE(QApplication::focusWidget(), bench.Edit(ids::kShootingRange));
    EXPECT_EQ(bench.Edit(ids::kShootingRange)->selectedText(), "5");
  }
  {
    RatingsBench bench(file, ids::kStrength);
    bench.Enter(ids::kStrength, "80");
    EXPECT_EQ(bench.host.messages.warnings, QStringList{Between(8, 25)});
    // Taken on its own and written: never its old value over the new one.
    EXPECT_EQ(bench.Stored(FieldId::Strength), "60");
    EXPECT_EQ(bench.Edit(ids::kStrength)->text(), "80");
    EXPECT_EQ(bench.Stored(FieldId::ShootingRange), " 5");
    QTRY_COMPARE(QApplication::focusWidget(), bench.Edit(ids::kShootingRange));
  }
}

TEST(PlayerRatingsPage, TextThatIsNoIntegerRewritesThePreviousValue) {
  RatingsBench bench(Player().Raw(1, FieldId::Passing, "21"));
  bench.Enter(ids::kPassing, "abc");
  EXPECT_EQ(bench.host.messages.warnings, QStringList{"Please enter an integer."});
  EXPECT_EQ(bench.Stored(FieldId::Passing), "20");
  EXPECT_EQ(bench.Edit(ids::kPassing)->text(), "60");
  QTRY_COMPARE(QApplication::focusWidget(), bench.Edit(ids::kPassing));
}

TEST(PlayerRatingsPage, StoredOverallIsShownButNeverWritten) {
  RatingsBench bench(Player());
  const std::string before = bench.File();
  bench.Enter(ids::kOverallRating, "12");  // read-only: typing does nothing
  EXPECT_EQ(bench.Edit(ids::kOverallRating)->text(), "77");
  EXPECT_EQ(bench.File(), before);
  bench.Enter(ids::kThreePointers, "60");
  EXPECT_EQ(bench.Stored(FieldId::OverallRating), "77");
  EXPECT_EQ(bench.Edit(ids::kCalculatedOverall)->text(), "61.25");
}

TEST(PlayerRatingsPage, WithoutAFileNothingIsTakenOrWritten) {
  RatingsBench bench(Player());
  const std::string before = bench.File();
  bench.host.file.ClosePlayerFile();
  bench.Enter(ids::kJumpShooting, "abc");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.File(), before);
}

TEST(PlayerRatingsPage, ClearShowsZeroEverywhere) {
  RatingsBench bench(Player());
  bench.page.Clear();
  for (const auto& control : korvale::res::PlayerRatingsPageTemplate().controls) {
    if (QLineEdit* edit = bench.Edit(control.id); edit != nullptr) {
      EXPECT_EQ(edit->text(), "0") << control.id;
    }
  }
}

TEST(PlayerRatingsPage, TabFollowsTheTemplateOrder) {
  RatingsBench bench(Player());
  bench.Edit(ids::kJumpShooting)->setFocus(Qt::TabFocusReason);
  const int order[] = {ids::kThreePointers, ids::kFreeThrows,   ids::kInsideShooting,
                       ids::kDunking,       ids::kDunkPackage,  ids::kJumping,
                       ids::kPreferredDunk, ids::kShootingRange};
  for (const int id : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), bench.Edit(id)) << id;
  }
}

// Every commit that changes bytes is one change set in the roster's
// history, which korvale-cli shows on the ratings scale; passing through a
// box records nothing.
TEST(PlayerRatingsPage, CommitsThatChangeBytesAreRecordedInTheHistory) {
  TempDir history;
  const ScopedVariable folder("KORVALE_HISTORY_DIR", history.Path().string());
  RatingsBench bench(
      Player().Text(1, FieldId::LastName, "Okafor").Text(1, FieldId::FirstName, "Emeka"));
  bench.Leave(ids::kStealing);
  bench.Enter(ids::kStealing, "75");
  bench.Enter(ids::kJumpShooting, "99");
  bench.Enter(ids::kJumpShooting, "99");
  const std::string roster = bench.host.file.FilePath();
  bench.host.file.ClosePlayerFile();  // as the editor lets go of it
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
  RatingsBench bench(Player());
  std::filesystem::copy_file(bench.host.file.FilePath(), dir / "Players.dbf");
  bench.Enter(ids::kStealing, "75");
  bench.Enter(ids::kJumpShooting, "99");
  EXPECT_EQ(bench.Stored(FieldId::Stealing), "50");
  EXPECT_EQ(bench.Stored(FieldId::JumpShooting), "98");
  ASSERT_EQ(bench.host.messages.warnings.size(), 1);
  EXPECT_TRUE(bench.host.messages.warnings[0].contains("could not be written"));
}

}  // namespace
