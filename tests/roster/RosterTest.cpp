#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Biography.h"
#include "ListEntries.h"
#include "Names.h"
#include "Ratings.h"
#include "SeasonStats.h"

namespace korvale {
namespace {

TEST(Ratings, ScaleBetweenCodesAndShownRatings) {
  const struct {
    std::int32_t code, shown;
  } cases[] = {{0, 50}, {1, 50}, {72, 86}, {73, 86}, {98, 99}, {99, 99}, {-3, 49}, {8, 54}};
  for (const auto& c : cases) EXPECT_EQ(RatingFromCode(c.code), c.shown) << c.code;
  EXPECT_EQ(CodeFromRating(50), 0);
  EXPECT_EQ(CodeFromRating(55), 10);
  EXPECT_EQ(CodeFromRating(99), 98);
  EXPECT_EQ(kRatingFields.size(), 20u);
  EXPECT_TRUE(IsRating(FieldId::Clutch));
  EXPECT_FALSE(IsRating(FieldId::ShootingRange));
}

TEST(Ratings, CalculatedOverallMultipliesByOneTwentieth) {
  const struct {
    std::int32_t sum;
    const char* text;
  } cases[] = {{1008, "50.4"}, {2022, "101.1"}, {1493, "74.65"}, {1500, "75"}, {0, "0"}};
  for (const auto& c : cases) EXPECT_EQ(OverallText(CalculatedOverallOf(c.sum)), c.text);
  EXPECT_EQ(CalculatedOverallOf(1493), 1493 * 0.05);
}

TEST(Ratings, OverallSumWrapsInThirtyTwoBits) {
  const std::int32_t inRange[] = {50, 99, 8, 0};
  EXPECT_EQ(OverallSum(inRange), 157);
  const std::int32_t huge[] = {2147483647, 1};
  EXPECT_EQ(OverallSum(huge), -2147483647 - 1);
}

TEST(Ratings, OverallSumOfTakesTheRatingsAndBothRanges) {
  std::vector<FieldId> asked;
  const std::int32_t sum = OverallSumOf([&](FieldId field) {
    asked.push_back(field);
    return field == FieldId::ShootingRange2 ? 7 : 1;
  });
  EXPECT_EQ(sum, 20 + 1 + 7);
  EXPECT_EQ(asked.size(), 22U);
  EXPECT_EQ(std::count(asked.begin(), asked.end(), FieldId::DunkPackage), 0);
  EXPECT_EQ(std::count(asked.begin(), asked.end(), FieldId::ShootingRange), 1);
}

TEST(Biography, HeightTextInFeetAndInches) {
  EXPECT_EQ(HeightText(79), "6' 7\"");
  EXPECT_EQ(HeightText(0), "0' 0\"");
  EXPECT_EQ(HeightText(72), "6' 0\"");
  EXPECT_EQ(HeightText(-13), "-1' -1\"");
}

TEST(SeasonStats, OneDecimalRoundsExactHalvesAwayFromZero) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{6.25, "6.3"},    {2.25, "2.3"}, {-2.25, "-2.3"},         {0.15, "0.1"},
               {0.25, "0.3"},    {0.75, "0.8"}, {1.0 / 3 * 100, "33.3"}, {0.0, "0.0"},
               {125.0, "125.0"}, {2.35, "2.4"}, {0.05, "0.1"},           {-0.05, "-0.1"},
               {12.5, "12.5"}};
  for (const auto& c : cases) EXPECT_EQ(OneDecimal(c.value), c.text) << c.value;
}

TEST(SeasonStats, DerivedValuesAsThePageShowsThem) {
  SeasonTotals t;
  t.FieldGoalsMade = 10;
  t.ThreePointMade = 3;
  t.FreeThrowsMade = 4;
  t.Games = 0;
  SeasonDerived d = DeriveSeason(t);
  EXPECT_EQ(d.Points, 27);
  for (const auto* s : {&d.MinutesPerGame, &d.PointsPerGame, &d.BlocksPerGame, &d.ReboundsPerGame,
                        &d.AssistsPerGame, &d.StealsPerGame, &d.FoulsPerGame, &d.TurnoversPerGame,
                        &d.EjectionsPerGame}) {
    EXPECT_EQ(*s, "---");
  }
  EXPECT_EQ(d.FieldGoalPercent, "---");
  EXPECT_EQ(PercentText(5, 4), "125.0");
  EXPECT_EQ(PercentText(1, 16), "6.3");
  EXPECT_EQ(PercentText(1, 3), "33.3");
  EXPECT_EQ(PerGameText(9, 4), "2.3");
  EXPECT_EQ(PerGameText(0, 5), "0.0");
  EXPECT_EQ(PerGameText(3, 20), "0.1");
  EXPECT_EQ(PerGameText(5, -1), "---");
  t.OffensiveRebounds = 7;
  t.DefensiveRebounds = 5;
  t.Games = 4;
  d = DeriveSeason(t);
  EXPECT_EQ(d.TotalRebounds, 12);
  EXPECT_EQ(d.ReboundsPerGame, "3.0");
  EXPECT_EQ(d.PointsPerGame, "6.8");  // 27 / 4 = 6.75 exactly
}

TEST(ListEntries, PlayerAndRosterEntries) {
  const std::string player = PlayerListEntry("Smith    ", "  John \t", "  12");
  EXPECT_EQ(player, "Smith,   John,   12");
  EXPECT_EQ(RosterListEntry(0, player), " 1 |  " + player);
  EXPECT_EQ(RosterListEntry(11, player), "12 |  " + player);
  EXPECT_EQ(RosterListEntry(98, player), "99 |  " + player);
  EXPECT_EQ(RosterListEntry(99, player), player);
  EXPECT_EQ(RosterListEntry(-1, player), " 0 |  " + player);
}

TEST(Names, ListsHaveTheirEntries) {
  EXPECT_EQ(TeamNames[0], "Atlanta");
  EXPECT_EQ(TeamNames[28], "Washington");
  EXPECT_EQ(TeamChoiceNames[29], "Free Agents");
  EXPECT_EQ(TeamChoiceNames[31], "West All-Stars");
  for (std::size_t i = 0; i < TeamNames.size(); ++i) EXPECT_EQ(TeamNames[i], TeamChoiceNames[i]);
  EXPECT_EQ(HairStyleNames[12], "Short Brown");
  EXPECT_EQ(PlayerTypeNames[11], "Dark Black 2");
}

}  // namespace
}  // namespace korvale

#include "ExchangeInteger.h"

namespace korvale {
namespace {

TEST(ExchangeInteger, AcceptsOneBlankSurroundedInteger) {
  const struct {
    std::string text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"42", 42},
      {" 42 ", 42},
      {"\t-3\t", -3},
      {"+7", 7},
      {"0", 0},
      {" 0", 0},
      {"00", 0},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"-0", std::nullopt},
      {"+0", std::nullopt},
      {"abc", std::nullopt},
      {"4 2", std::nullopt},
      {"42x", std::nullopt},
      {"- 4", std::nullopt},
      {"-", std::nullopt},
      {"1e3", std::nullopt},
      {"99999999999", 2147483647},
      {"-99999999999", -2147483647 - 1},
      {std::string(30, ' ') + "5", 5},             // 31 characters: read whole
      {std::string(31, ' ') + "5", std::nullopt},  // the digit lies past the 31st
      {"12" + std::string(29, ' ') + "x", 12},     // the x lies past the 31st
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseExchangeInteger(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace korvale
