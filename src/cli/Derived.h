#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Shown.h"

namespace korvale::cli {

// The values the pages compute from a record, in the order the table
// carries them after the fields.
inline constexpr std::array<std::string_view, 16> kDerivedColumns{
    "HeightText",       "CalculatedOverall", "Points",           "TotalRebounds",
    "MinutesPerGame",   "PointsPerGame",     "BlocksPerGame",    "ReboundsPerGame",
    "AssistsPerGame",   "StealsPerGame",     "FoulsPerGame",     "TurnoversPerGame",
    "EjectionsPerGame", "FieldGoalPercent",  "FreeThrowPercent", "ThreePointPercent"};

[[nodiscard]] bool IsDerivedColumn(std::string_view name);

// The derived values as the pages show them.
[[nodiscard]] std::array<std::string, kDerivedColumns.size()> DerivedTexts(
    const RecordSpan& record);

}  // namespace korvale::cli
