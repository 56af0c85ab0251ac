#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FormPage.h"

class PageControls;
class PageHost;

// The rules of the Player Ratings page: the twenty ratings, dunk settings,
// shooting ranges and the overall.
class PlayerRatingsPage : public FormPage {
 public:
  // The 24 values the user edits, in the page's exchange order.
  static constexpr std::size_t kEditableCount = 24;

  PlayerRatingsPage(PageHost& host, PageControls& controls);
  PlayerRatingsPage(const PlayerRatingsPage&) = delete;
  PlayerRatingsPage& operator=(const PlayerRatingsPage&) = delete;

  // The loads of the shown record; the overall stays as it was.
  void LoadRecord() override;
  // The calculated overall of the values as they stand, then shown.
  void RecalculateOverall();
  void Recalculate() override { RecalculateOverall(); }
  // Close: every value 0, shown.
  void Clear() override;

  [[nodiscard]] std::vector<PageCommit> Commits() override;
  [[nodiscard]] PageExchange& Exchange() override { return exchange_; }
  [[nodiscard]] const PageExchange& Exchange() const override { return exchange_; }

 private:
  void Commit(std::size_t entry);

  PageHost& host_;
  PageExchange exchange_;
  std::array<std::int32_t, kEditableCount> values_{};
  std::int32_t overallRating_ = 0;
  double calculatedOverall_ = 0.0;
};
