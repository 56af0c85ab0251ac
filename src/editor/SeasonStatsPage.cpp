#include "SeasonStatsPage.h"

#include "CommitField.h"
#include "ControlIds.h"
#include "PageHost.h"
#include "StoredForms.h"

namespace {

using korvale::FieldId;
namespace ids = korvale::res::season;

// The display reads the totals in this order.
constexpr std::array<FieldId, 16> kLoadOrder{FieldId::FieldGoalsAttempted,
                                             FieldId::FieldGoalsMade,
                                             FieldId::ThreePointAttempted,
                                             FieldId::ThreePointMade,
                                             FieldId::FreeThrowsAttempted,
                                             FieldId::FreeThrowsMade,
                                             FieldId::Blocks,
                                             FieldId::OffensiveRebounds,
                                             FieldId::Assists,
                                             FieldId::Fouls,
                                             FieldId::Steals,
                                             FieldId::DefensiveRebounds,
                                             FieldId::Turnovers,
                                             FieldId::Minutes,
                                             FieldId::Games,
                                             FieldId::Ejections};

}  // namespace

const std::array<SeasonStatsPage::TotalEntry, 16>& SeasonStatsPage::Totals() {
  using T = korvale::SeasonTotals;
  static const std::array<TotalEntry, 16> table{{
      {ids::kFieldGoalsAttempted, FieldId::FieldGoalsAttempted, &T::FieldGoalsAttempted},
      {ids::kFieldGoalsMade, FieldId::FieldGoalsMade, &T::FieldGoalsMade},
      {ids::kThreePointAttempted, FieldId::ThreePointAttempted, &T::ThreePointAttempted},
      {ids::kThreePointMade, FieldId::ThreePointMade, &T::ThreePointMade},
      {ids::kFreeThrowsAttempted, FieldId::FreeThrowsAttempted, &T::FreeThrowsAttempted},
      {ids::kFreeThrowsMade, FieldId::FreeThrowsMade, &T::FreeThrowsMade},
      {ids::kAssists, FieldId::Assists, &T::Assists},
      {ids::kBlocks, FieldId::Blocks, &T::Blocks},
      {ids::kOffensiveRebounds, FieldId::OffensiveRebounds, &T::OffensiveRebounds},
      {ids::kFouls, FieldId::Fouls, &T::Fouls},
      {ids::kSteals, FieldId::Steals, &T::Steals},
      {ids::kDefensiveRebounds, FieldId::DefensiveRebounds, &T::DefensiveRebounds},
      {ids::kTurnovers, FieldId::Turnovers, &T::Turnovers},
      {ids::kMinutes, FieldId::Minutes, &T::Minutes},
      {ids::kGames, FieldId::Games, &T::Games},
      {ids::kEjections, FieldId::Ejections, &T::Ejections},
  }};
  return table;
}

SeasonStatsPage::SeasonStatsPage(PageHost& host, PageControls& controls)
    : host_(host), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (const TotalEntry& total : Totals()) {
    const korvale::FieldDescriptor& field = korvale::Field(total.field);
    entries.push_back(
        ExchangeEntry::Ranged(total.control, &(totals_.*total.value), field.low, field.high));
  }
  // Points is only shown: it is taken back without a range, so a total
  // beyond what one box holds never blocks the commits of the totals.
  entries.push_back(ExchangeEntry::Integer(ids::kPoints, &derived_.Points));
  entries.push_back(ExchangeEntry::Text(ids::kMinutesPerGame, &derived_.MinutesPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kFieldGoalPercent, &derived_.FieldGoalPercent));
  entries.push_back(ExchangeEntry::Text(ids::kPointsPerGame, &derived_.PointsPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kFreeThrowPercent, &derived_.FreeThrowPercent));
  entries.push_back(ExchangeEntry::Text(ids::kThreePointPercent, &derived_.ThreePointPercent));
  entries.push_back(ExchangeEntry::Text(ids::kBlocksPerGame, &derived_.BlocksPerGame));
  entries.push_back(ExchangeEntry::Integer(ids::kTotalRebounds, &derived_.TotalRebounds));
  entries.push_back(ExchangeEntry::Text(ids::kReboundsPerGame, &derived_.ReboundsPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kStealsPerGame, &derived_.StealsPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kFoulsPerGame, &derived_.FoulsPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kAssistsPerGame, &derived_.AssistsPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kTurnoversPerGame, &derived_.TurnoversPerGame));
  entries.push_back(ExchangeEntry::Text(ids::kEjectionsPerGame, &derived_.EjectionsPerGame));
  exchange_.SetEntries(std::move(entries));
}

std::vector<PageCommit> SeasonStatsPage::Commits() {
  std::vector<PageCommit> commits;
  for (const TotalEntry& total : Totals()) {
    commits.push_back({total.control, PageCommit::Event::Leave, [this, &total] { Commit(total); }});
  }
  return commits;
}

void SeasonStatsPage::LoadRecord() {
  korvale::PlayerFileState& file = host_.File();
  for (const FieldId field : kLoadOrder) {
    for (const TotalEntry& total : Totals()) {
      if (total.field != field) continue;
      totals_.*total.value = korvale::ReadNumber(file.ReadField(file.CurrentRecord(), field));
      exchange_.Show();
    }
  }
  RecomputeDerived();
}

void SeasonStatsPage::RecomputeDerived() {
  derived_ = korvale::DeriveSeason(totals_);
  exchange_.Show();
}

void SeasonStatsPage::Clear() {
  totals_ = {};
  derived_ = {};
  exchange_.Show();
}

void SeasonStatsPage::Commit(const TotalEntry& total) {
  CommitField(host_, exchange_,
              {korvale::Field(total.field).position,
               [this, &total] {
                 const korvale::FieldDescriptor& field = korvale::Field(total.field);
                 return RangedValue(total.field, totals_.*total.value, field.low, field.high);
               },
               [this] { RecomputeDerived(); }, total.control});
}
