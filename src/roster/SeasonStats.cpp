#include "SeasonStats.h"

#include <cmath>
#include <cstdio>

namespace korvale {

std::string OneDecimal(double value) {
  // The C library rounds exact ties to even. A double lies exactly half-way
  // between two tenths only when four times it is an odd integer (0.25,
  // 6.25, ...); those go away from zero, all else to the nearest tenth.
  const double quarters = value * 4.0;
  if (std::isfinite(value) && std::trunc(quarters) == quarters && std::fmod(quarters, 2.0) != 0.0) {
    value = std::copysign((std::floor(std::fabs(value) * 10.0) + 1.0) / 10.0, value);
  }
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

std::string PerGameText(std::int32_t numerator, std::int32_t games) {
  if (games <= 0) return "---";
  return OneDecimal(static_cast<double>(numerator) / static_cast<double>(games));
}

std::string PercentText(std::int32_t made, std::int32_t attempts) {
  if (attempts <= 0) return "---";
  return OneDecimal(static_cast<double>(made) / static_cast<double>(attempts) * 100.0);
}

SeasonDerived DeriveSeason(const SeasonTotals& t) {
  SeasonDerived d;
  // Free throws made + 2 x field goals made + three-pointers made. The sums
  // here wrap in 32 bits, as the game's would; in range it does not matter.
  d.Points = static_cast<std::int32_t>(static_cast<std::uint32_t>(t.FreeThrowsMade) +
                                       2u * static_cast<std::uint32_t>(t.FieldGoalsMade) +
                                       static_cast<std::uint32_t>(t.ThreePointMade));
  d.PointsPerGame = PerGameText(d.Points, t.Games);
  d.MinutesPerGame = PerGameText(t.Minutes, t.Games);
  d.FieldGoalPercent = PercentText(t.FieldGoalsMade, t.FieldGoalsAttempted);
  d.FreeThrowPercent = PercentText(t.FreeThrowsMade, t.FreeThrowsAttempted);
  d.ThreePointPercent = PercentText(t.ThreePointMade, t.ThreePointAttempted);
  d.BlocksPerGame = PerGameText(t.Blocks, t.Games);
  d.TotalRebounds = static_cast<std::int32_t>(static_cast<std::uint32_t>(t.OffensiveRebounds) +
                                              static_cast<std::uint32_t>(t.DefensiveRebounds));
  d.ReboundsPerGame = PerGameText(d.TotalRebounds, t.Games);
  d.AssistsPerGame = PerGameText(t.Assists, t.Games);
  d.StealsPerGame = PerGameText(t.Steals, t.Games);
  d.FoulsPerGame = PerGameText(t.Fouls, t.Games);
  d.TurnoversPerGame = PerGameText(t.Turnovers, t.Games);
  d.EjectionsPerGame = PerGameText(t.Ejections, t.Games);
  return d;
}

}  // namespace korvale
