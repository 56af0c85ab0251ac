#include "SeasonStatsPage.h"

#include "CommitField.h"
#include "ControlIds.h"
#include "PageHost.h"
#include "SeasonStats.h"
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
  using P = SeasonStatsPage;
  static const std::array<TotalEntry, 16> table{{
      {ids::kFieldGoalsAttempted, FieldId::FieldGoalsAttempted, &P::fieldGoalsAttempted_},
      {ids::kFieldGoalsMade, FieldId::FieldGoalsMade, &P::fieldGoalsMade_},
      {ids::kThreePointAttempted, FieldId::ThreePointAttempted, &P::threePointAttempted_},
      {ids::kThreePointMade, FieldId::ThreePointMade, &P::threePointMade_},
      {ids::kFreeThrowsAttempted, FieldId::FreeThrowsAttempted, &P::freeThrowsAttempted_},
      {ids::kFreeThrowsMade, FieldId::FreeThrowsMade, &P::freeThrowsMade_},
      {ids::kAssists, FieldId::Assists, &P::assists_},
      {ids::kBlocks, FieldId::Blocks, &P::blocks_},
      {ids::kOffensiveRebounds, FieldId::OffensiveRebounds, &P::offensiveRebounds_},
      {ids::kFouls, FieldId::Fouls, &P::fouls_},
      {ids::kSteals, FieldId::Steals, &P::steals_},
      {ids::kDefensiveRebounds, FieldId::DefensiveRebounds, &P::defensiveRebounds_},
      {ids::kTurnovers, FieldId::Turnovers, &P::turnovers_},
      {ids::kMinutes, FieldId::Minutes, &P::minutes_},
      {ids::kGames, FieldId::Games, &P::games_},
      {ids::kEjections, FieldId::Ejections, &P::ejections_},
  }};
  return table;
}

SeasonStatsPage::SeasonStatsPage(PageHost& host, PageControls& controls)
    : host_(host), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (const TotalEntry& total : Totals()) {
    const korvale::FieldDescriptor& field = korvale::Field(total.field);
    entries.push_back(
        ExchangeEntry::Ranged(total.control, &(this->*total.value), field.low, field.high));
  }
  // Points is only shown: it is taken back without a range, so a total
  // beyond what one box holds never blocks the commits of the totals.
  entries.push_back(ExchangeEntry::Integer(ids::kPoints, &points_));
  entries.push_back(ExchangeEntry::Text(ids::kMinutesPerGame, &minutesPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kFieldGoalPercent, &fieldGoalPercent_));
  entries.push_back(ExchangeEntry::Text(ids::kPointsPerGame, &pointsPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kFreeThrowPercent, &freeThrowPercent_));
  entries.push_back(ExchangeEntry::Text(ids::kThreePointPercent, &threePointPercent_));
  entries.push_back(ExchangeEntry::Text(ids::kBlocksPerGame, &blocksPerGame_));
  entries.push_back(ExchangeEntry::Integer(ids::kTotalRebounds, &totalRebounds_));
  entries.push_back(ExchangeEntry::Text(ids::kReboundsPerGame, &reboundsPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kStealsPerGame, &stealsPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kFoulsPerGame, &foulsPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kAssistsPerGame, &assistsPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kTurnoversPerGame, &turnoversPerGame_));
  entries.push_back(ExchangeEntry::Text(ids::kEjectionsPerGame, &ejectionsPerGame_));
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
      this->*total.value = korvale::ReadNumber(file.ReadField(file.CurrentRecord(), field));
      exchange_.Show();
    }
  }
  RecomputeDerived();
}

void SeasonStatsPage::RecomputeDerived() {
  korvale::SeasonTotals t;
  t.FieldGoalsAttempted = fieldGoalsAttempted_;
  t.FieldGoalsMade = fieldGoalsMade_;
  t.ThreePointAttempted = threePointAttempted_;
  t.ThreePointMade = threePointMade_;
  t.FreeThrowsAttempted = freeThrowsAttempted_;
  t.FreeThrowsMade = freeThrowsMade_;
  t.Blocks = blocks_;
  t.OffensiveRebounds = offensiveRebounds_;
  t.Assists = assists_;
  t.Fouls = fouls_;
  t.Steals = steals_;
  t.DefensiveRebounds = defensiveRebounds_;
  t.Turnovers = turnovers_;
  t.Minutes = minutes_;
  t.Games = games_;
  t.Ejections = ejections_;
  // Points and the rebound total are worked out before the averages of them.
  const korvale::SeasonDerived d = korvale::DeriveSeason(t);
  points_ = d.Points;
  pointsPerGame_ = d.PointsPerGame;
  minutesPerGame_ = d.MinutesPerGame;
  fieldGoalPercent_ = d.FieldGoalPercent;
  freeThrowPercent_ = d.FreeThrowPercent;
  threePointPercent_ = d.ThreePointPercent;
  blocksPerGame_ = d.BlocksPerGame;
  totalRebounds_ = d.TotalRebounds;
  reboundsPerGame_ = d.ReboundsPerGame;
  assistsPerGame_ = d.AssistsPerGame;
  stealsPerGame_ = d.StealsPerGame;
  foulsPerGame_ = d.FoulsPerGame;
  turnoversPerGame_ = d.TurnoversPerGame;
  ejectionsPerGame_ = d.EjectionsPerGame;
  exchange_.Show();
}

void SeasonStatsPage::Clear() {
  for (const TotalEntry& total : Totals()) this->*total.value = 0;
  points_ = 0;
  totalRebounds_ = 0;
  for (std::string* text :
       {&minutesPerGame_, &fieldGoalPercent_, &pointsPerGame_, &freeThrowPercent_,
        &threePointPercent_, &blocksPerGame_, &reboundsPerGame_, &stealsPerGame_, &foulsPerGame_,
        &assistsPerGame_, &turnoversPerGame_, &ejectionsPerGame_}) {
    text->clear();
  }
  exchange_.Show();
}

void SeasonStatsPage::Commit(const TotalEntry& total) {
  CommitField(host_, exchange_,
              {korvale::Field(total.field).position,
               [this, &total] {
                 const korvale::FieldDescriptor& field = korvale::Field(total.field);
                 return RangedValue(total.field, this->*total.value, field.low, field.high);
               },
               [this] { RecomputeDerived(); }, total.control});
}
