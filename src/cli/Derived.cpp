#include "Derived.h"

#include <algorithm>

#include "Biography.h"
#include "Ratings.h"
#include "SeasonStats.h"

namespace korvale::cli {
namespace {

std::int32_t Number(const RecordSpan& record, FieldId field) {
  return static_cast<std::int32_t>(ShownNumber(record, field));
}

std::string OverallOf(const RecordSpan& record) {
  return OverallText(
      CalculatedOverallOf(OverallSumOf([&](FieldId field) { return Number(record, field); })));
}

SeasonTotals TotalsOf(const RecordSpan& record) {
  SeasonTotals t;
  t.FieldGoalsAttempted = Number(record, FieldId::FieldGoalsAttempted);
  t.FieldGoalsMade = Number(record, FieldId::FieldGoalsMade);
  t.ThreePointAttempted = Number(record, FieldId::ThreePointAttempted);
  t.ThreePointMade = Number(record, FieldId::ThreePointMade);
  t.FreeThrowsAttempted = Number(record, FieldId::FreeThrowsAttempted);
  t.FreeThrowsMade = Number(record, FieldId::FreeThrowsMade);
  t.Blocks = Number(record, FieldId::Blocks);
  t.OffensiveRebounds = Number(record, FieldId::OffensiveRebounds);
  t.Assists = Number(record, FieldId::Assists);
  t.Fouls = Number(record, FieldId::Fouls);
  t.Steals = Number(record, FieldId::Steals);
  t.DefensiveRebounds = Number(record, FieldId::DefensiveRebounds);
  t.Turnovers = Number(record, FieldId::Turnovers);
  t.Minutes = Number(record, FieldId::Minutes);
  t.Games = Number(record, FieldId::Games);
  t.Ejections = Number(record, FieldId::Ejections);
  return t;
}

}  // namespace

bool IsDerivedColumn(std::string_view name) {
  return std::find(kDerivedColumns.begin(), kDerivedColumns.end(), name) != kDerivedColumns.end();
}

std::array<std::string, kDerivedColumns.size()> DerivedTexts(const RecordSpan& record) {
  const SeasonDerived d = DeriveSeason(TotalsOf(record));
  return {HeightText(Number(record, FieldId::Height)),
          OverallOf(record),
          std::to_string(d.Points),
          std::to_string(d.TotalRebounds),
          d.MinutesPerGame,
          d.PointsPerGame,
          d.BlocksPerGame,
          d.ReboundsPerGame,
          d.AssistsPerGame,
          d.StealsPerGame,
          d.FoulsPerGame,
          d.TurnoversPerGame,
          d.EjectionsPerGame,
          d.FieldGoalPercent,
          d.FreeThrowPercent,
          d.ThreePointPercent};
}

}  // namespace korvale::cli
