#include "SeasonStatsPage.h"

#include "CommitField.h"
#include "PageHost.h"
#include "SeasonStats.h"
#include "StoredForms.h"

namespace {

using korvale::FieldId;

constexpr std::int32_t kLowestTotal = 0;
constexpr std::int32_t kHighestTotal = 99999;

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
      {1048, FieldId::FieldGoalsAttempted, &P::fieldGoalsAttempted_},
      {1047, FieldId::FieldGoalsMade, &P::fieldGoalsMade_},
      {1055, FieldId::ThreePointAttempted, &P::threePointAttempted_},
      {1054, FieldId::ThreePointMade, &P::threePointMade_},
      {1053, FieldId::FreeThrowsAttempted, &P::freeThrowsAttempted_},
      {1052, FieldId::FreeThrowsMade, &P::freeThrowsMade_},
      {1066, FieldId::Assists, &P::assists_},
      {1060, FieldId::Blocks, &P::blocks_},
      {1064, FieldId::OffensiveRebounds, &P::offensiveRebounds_},
      {1067, FieldId::Fouls, &P::fouls_},
      {1062, FieldId::Steals, &P::steals_},
      {1065, FieldId::DefensiveRebounds, &P::defensiveRebounds_},
      {1072, FieldId::Turnovers, &P::turnovers_},
      {1046, FieldId::Minutes, &P::minutes_},
      {1049, FieldId::Games, &P::games_},
      {1073, FieldId::Ejections, &P::ejections_},
  }};
  return table;
}

SeasonStatsPage::SeasonStatsPage(PageHost& host, PageControls& controls)
    : host_(host), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (const TotalEntry& total : Totals()) {
    entries.push_back(
        ExchangeEntry::Ranged(total.control, &(this->*total.value), kLowestTotal, kHighestTotal));
  }
  // Points is only shown: it is taken back without a range, so a total
  // beyond what one box holds never blocks the commits of the totals.
  entries.push_back(ExchangeEntry::Integer(1058, &points_));
  entries.push_back(ExchangeEntry::Text(1050, &minutesPerGame_));
  entries.push_back(ExchangeEntry::Text(1051, &fieldGoalPercent_));
  entries.push_back(ExchangeEntry::Text(1059, &pointsPerGame_));
  entries.push_back(ExchangeEntry::Text(1056, &freeThrowPercent_));
  entries.push_back(ExchangeEntry::Text(1057, &threePointPercent_));
  entries.push_back(ExchangeEntry::Text(1061, &blocksPerGame_));
  entries.push_back(ExchangeEntry::Integer(1070, &totalRebounds_));
  entries.push_back(ExchangeEntry::Text(1071, &reboundsPerGame_));
  entries.push_back(ExchangeEntry::Text(1063, &stealsPerGame_));
  entries.push_back(ExchangeEntry::Text(1069, &foulsPerGame_));
  entries.push_back(ExchangeEntry::Text(1068, &assistsPerGame_));
  entries.push_back(ExchangeEntry::Text(1074, &turnoversPerGame_));
  entries.push_back(ExchangeEntry::Text(1075, &ejectionsPerGame_));
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
                 return RangedValue(total.field, this->*total.value, kLowestTotal, kHighestTotal);
               },
               [this] { RecomputeDerived(); }, total.control});
}
