#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include <QWidget>

#include "PageExchange.h"
#include "WidgetControls.h"

class PageHost;
class QLineEdit;

// The twenty ratings, dunk settings, shooting ranges and the overall.
class CPlayerRatingsPage : public QWidget {
  Q_OBJECT

 public:
  // The 24 values the user edits, in the page's exchange order.
  static constexpr std::size_t kEditableCount = 24;

  CPlayerRatingsPage(PageHost& host, QWidget* parent);

  // The loads of the shown record; the overall stays as it was.
  void LoadRecord();
  // The calculated overall of the values as they stand, then shown.
  void RecalculateOverall();
  // Close: every value 0, shown.
  void Clear();
  [[nodiscard]] const PageExchange& Exchange() const { return exchange_; }

 private:
  void Commit(std::size_t entry);

  PageHost& host_;
  WidgetControls controls_;
  PageExchange exchange_;
  std::array<std::int32_t, kEditableCount> values_{};
  std::int32_t overallRating_ = 0;
  double calculatedOverall_ = 0.0;
};
