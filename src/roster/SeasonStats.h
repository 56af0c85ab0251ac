#pragma once

#include <cstdint>
#include <string>

namespace korvale {

// The sixteen stored season totals.
struct SeasonTotals {
  std::int32_t FieldGoalsAttempted = 0, FieldGoalsMade = 0;
  std::int32_t ThreePointAttempted = 0, ThreePointMade = 0;
  std::int32_t FreeThrowsAttempted = 0, FreeThrowsMade = 0;
  std::int32_t Blocks = 0, OffensiveRebounds = 0, Assists = 0, Fouls = 0, Steals = 0;
  std::int32_t DefensiveRebounds = 0, Turnovers = 0, Minutes = 0, Games = 0, Ejections = 0;
};

// The fourteen values the season page derives, as it shows them.
struct SeasonDerived {
  std::int32_t Points = 0;
  std::int32_t TotalRebounds = 0;
  std::string MinutesPerGame, PointsPerGame, BlocksPerGame, ReboundsPerGame, AssistsPerGame,
      StealsPerGame, FoulsPerGame, TurnoversPerGame, EjectionsPerGame;
  std::string FieldGoalPercent, FreeThrowPercent, ThreePointPercent;
};

[[nodiscard]] SeasonDerived DeriveSeason(const SeasonTotals& t);

// "---" for 0 or fewer games, else the numerator per game with one decimal.
[[nodiscard]] std::string PerGameText(std::int32_t numerator, std::int32_t games);
// "---" for 0 or fewer attempts, else made / attempts x 100 with one decimal.
[[nodiscard]] std::string PercentText(std::int32_t made, std::int32_t attempts);
// One decimal; exact halves of a tenth round away from zero (6.25 -> 6.3),
// everything else to the nearest tenth of the double's exact value.
[[nodiscard]] std::string OneDecimal(double value);

}  // namespace korvale
