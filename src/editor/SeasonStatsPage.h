#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FormPage.h"
#include "RecordLayout.h"

class PageControls;
class PageHost;

// The rules of the Season Stats page: the sixteen season totals and the
// values derived from them.
class SeasonStatsPage : public FormPage {
 public:
  SeasonStatsPage(PageHost& host, PageControls& controls);
  SeasonStatsPage(const SeasonStatsPage&) = delete;
  SeasonStatsPage& operator=(const SeasonStatsPage&) = delete;

  // The sixteen totals of the shown record, then the derived values.
  void LoadRecord() override;
  // Points, totals, per-game values and percentages, then shown.
  void RecomputeDerived();
  // Close: every value 0 or empty, shown.
  void Clear() override;

  [[nodiscard]] std::vector<PageCommit> Commits() override;
  [[nodiscard]] PageExchange& Exchange() override { return exchange_; }
  [[nodiscard]] const PageExchange& Exchange() const override { return exchange_; }

 private:
  // One typed-in total: its box, its field and the page value it fills.
  struct TotalEntry {
    int control;
    korvale::FieldId field;
    std::int32_t SeasonStatsPage::*value;
  };
  // The totals in the page's exchange order.
  static const std::array<TotalEntry, 16>& Totals();

  void Commit(const TotalEntry& total);

  PageHost& host_;
  PageExchange exchange_;

  std::int32_t fieldGoalsAttempted_ = 0;
  std::int32_t fieldGoalsMade_ = 0;
  std::int32_t threePointAttempted_ = 0;
  std::int32_t threePointMade_ = 0;
  std::int32_t freeThrowsAttempted_ = 0;
  std::int32_t freeThrowsMade_ = 0;
  std::int32_t assists_ = 0;
  std::int32_t blocks_ = 0;
  std::int32_t offensiveRebounds_ = 0;
  std::int32_t fouls_ = 0;
  std::int32_t steals_ = 0;
  std::int32_t defensiveRebounds_ = 0;
  std::int32_t turnovers_ = 0;
  std::int32_t minutes_ = 0;
  std::int32_t games_ = 0;
  std::int32_t ejections_ = 0;

  std::int32_t points_ = 0;
  std::string minutesPerGame_, fieldGoalPercent_, pointsPerGame_, freeThrowPercent_,
      threePointPercent_, blocksPerGame_;
  std::int32_t totalRebounds_ = 0;
  std::string reboundsPerGame_, stealsPerGame_, foulsPerGame_, assistsPerGame_, turnoversPerGame_,
      ejectionsPerGame_;
};
