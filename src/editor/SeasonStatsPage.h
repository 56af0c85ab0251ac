#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "FormPage.h"
#include "RecordLayout.h"
#include "SeasonStats.h"

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
    std::int32_t korvale::SeasonTotals::*value;
  };
  // The totals in the page's exchange order.
  static const std::array<TotalEntry, 16>& Totals();

  void Commit(const TotalEntry& total);

  PageHost& host_;
  PageExchange exchange_;

  korvale::SeasonTotals totals_;
  korvale::SeasonDerived derived_;
};
