#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "DialogTemplates.h"
#include "FakePageHost.h"
#include "PageBench.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "SeasonStatsPage.h"

namespace {

using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;

// The nine per-game boxes.
constexpr int kPerGame[] = {1050, 1059, 1061, 1071, 1068, 1063, 1069, 1074, 1075};
// Every box the user cannot type in.
constexpr int kDerived[] = {1058, 1070, 1050, 1059, 1061, 1071, 1068,
                            1063, 1069, 1074, 1075, 1051, 1056, 1057};

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
  explicit SeasonBench(const PlayerFileBuilder& file, int startIn = 1046)
      : PageBench(file, startIn) {}
  QLineEdit* Box(int id) { return Edit(id); }
};

const QString kRange = "Please enter an integer between 0 and 99999.";

TEST(SeasonStatsPage, ShowsTotalsAndWhatFollowsFromThem) {
  SeasonBench bench(Season());
  const struct {
    int box;
    const char* shown;
  } cases[] = {{1047, "10"},   {1048, "20"},   {1058, "27"},  {1070, "8"},   {1051, "50.0"},
               {1057, "37.5"}, {1056, "80.0"}, {1059, "6.8"}, {1050, "3.0"}, {1071, "2.0"},
               {1068, "1.8"},  {1063, "0.0"},  {1075, "0.0"}};
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
      {FieldId::FieldGoalsAttempted, "    0", 1051, "---"},
      {FieldId::FieldGoalsAttempted, "    8", 1051, "125.0"},  // 10 of 8
      {FieldId::FieldGoalsAttempted, "   16", 1051, "62.5"},
      {FieldId::FreeThrowsAttempted, "   -1", 1056, "---"},
      {FieldId::FreeThrowsAttempted, "   16", 1056, "25.0"},
      {FieldId::ThreePointAttempted, "    9", 1057, "33.3"},
      {FieldId::ThreePointAttempted, "   48", 1057, "6.3"},  // 6.25 away from zero
      {FieldId::Games, "     ", 1058, "27"},
      {FieldId::Games, "   12", 1059, "2.3"},  // 27 / 12 = 2.25
      {FieldId::Minutes, "    3", 1050, "0.8"},
  };
  for (const auto& c : cases) {
    SeasonBench bench(Season().Raw(1, c.field, c.stored));
    EXPECT_EQ(bench.Shown(c.box), c.shown) << c.stored;
  }
  for (const char* games : {"    0", "   -2", "     "}) {
    SeasonBench bench(Season().Raw(1, FieldId::Games, games));
    for (const int id : kPerGame) EXPECT_EQ(bench.Shown(id), "---") << id;
    EXPECT_EQ(bench.Shown(1051), "50.0");
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
    bench.Enter(1062, c.typed);
    EXPECT_EQ(bench.Stored(FieldId::Steals), c.written) << c.typed;
    EXPECT_EQ(bench.Shown(1062), c.shown);
    EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  }
}

TEST(SeasonStatsPage, AWriteRecomputesTheDerivedValues) {
  SeasonBench bench(Season());
  bench.Enter(1052, "6");  // free throws made 4 -> 6
  EXPECT_EQ(bench.Stored(FieldId::FreeThrowsMade), "    6");
  EXPECT_EQ(bench.Shown(1058), "29");
  EXPECT_EQ(bench.Shown(1056), "120.0");
  EXPECT_EQ(bench.Shown(1059), "7.3");  // 7.25
}

TEST(SeasonStatsPage, ANegativeStoredTotalIsShownAndRefusedUnchanged) {
  SeasonBench bench(Season().Raw(1, FieldId::Minutes, "   -3"));
  EXPECT_EQ(bench.Shown(1046), "-3");
  bench.Box(1046)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bench.Box(1046), Qt::Key_Tab);  // left unchanged
  EXPECT_EQ(bench.host.messages.warnings, QStringList{kRange});
  EXPECT_EQ(bench.Stored(FieldId::Minutes), "   -3");
  QTRY_COMPARE(QApplication::focusWidget(), bench.Box(1046));
  EXPECT_EQ(bench.Shown(1046), "-3");

  bench.host.messages.Clear();
  bench.Enter(1046, "3");
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
    SeasonBench bench(Season().Number(1, FieldId::Assists, 7), 1066);
    const std::string before = bench.File();
    bench.Enter(1066, c.typed);
    EXPECT_EQ(bench.host.messages.warnings, QStringList{c.message}) << c.typed;
    EXPECT_EQ(bench.Stored(FieldId::Assists), c.written);
    EXPECT_EQ(bench.File(), before);
    EXPECT_EQ(bench.Shown(1066), c.shown);
    QTRY_COMPARE(QApplication::focusWidget(), bench.Box(1066));
  }
}

TEST(SeasonStatsPage, AnEarlierBoxOutOfRangeIsReportedYetALaterOneIsWritten) {
  // Field goals attempted come first in the exchange order, games late.
  SeasonBench bench(Season().Raw(1, FieldId::FieldGoalsAttempted, "  -20"), 1049);
  bench.Enter(1049, "9");
  EXPECT_EQ(bench.host.messages.warnings, QStringList{kRange});
  EXPECT_EQ(bench.Stored(FieldId::Games), "    9");
  EXPECT_EQ(bench.Shown(1049), "9");
  QTRY_COMPARE(QApplication::focusWidget(), bench.Box(1048));
}

TEST(SeasonStatsPage, PointsBeyondOneBoxNeverBlockACommit) {
  PlayerFileBuilder file = Season();
  file.Number(1, FieldId::FieldGoalsMade, 99999).Number(1, FieldId::FreeThrowsMade, 99999);
  SeasonBench bench(file, 1049);
  EXPECT_EQ(bench.Shown(1058), "300000");
  bench.Enter(1049, "3");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.Stored(FieldId::Games), "    3");
  EXPECT_EQ(bench.Shown(1059), "100000.0");  // (2 x 99999 + 3 + 99999) / 3
}

TEST(SeasonStatsPage, WithoutAFileNothingHappens) {
  SeasonBench bench(Season());
  const std::string before = bench.File();
  bench.host.file.ClosePlayerFile();
  bench.Enter(1046, "abc");
  EXPECT_TRUE(bench.host.messages.warnings.isEmpty());
  EXPECT_EQ(bench.File(), before);
}

TEST(SeasonStatsPage, ClearShowsZerosAndEmptyTexts) {
  SeasonBench bench(Season());
  bench.page.Clear();
  for (const auto& control : korvale::res::SeasonStatsPageTemplate().controls) {
    if (QLineEdit* box = bench.Box(control.id); box != nullptr) {
      const bool number = box->isEnabled() || control.id == 1058 || control.id == 1070;
      EXPECT_EQ(box->text(), number ? "0" : "") << control.id;
    }
  }
}

TEST(SeasonStatsPage, TabVisitsTheTotalsInTheirOrder) {
  SeasonBench bench(Season());
  const int order[] = {1049, 1047, 1048, 1052, 1053, 1054, 1055, 1060,
                       1064, 1065, 1066, 1062, 1067, 1072, 1073};
  for (const int id : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), bench.Box(id)) << id;
  }
}

}  // namespace
