#pragma once

#include <QWidget>

#include "PlayerRatingsPage.h"
#include "WidgetControls.h"

class PageHost;

// The Player Ratings page on the screen; its rules are PlayerRatingsPage's.
class CPlayerRatingsPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr std::size_t kEditableCount = PlayerRatingsPage::kEditableCount;

  CPlayerRatingsPage(PageHost& host, QWidget* parent);

  void LoadRecord() { page_.LoadRecord(); }
  void RecalculateOverall() { page_.RecalculateOverall(); }
  void Clear() { page_.Clear(); }
  [[nodiscard]] const PageExchange& Exchange() const { return page_.Exchange(); }
  // The page's rules and its controls, for the form's rules.
  [[nodiscard]] PlayerRatingsPage& Rules() { return page_; }
  [[nodiscard]] const WidgetControls& Controls() const { return controls_; }

 private:
  WidgetControls controls_;
  PlayerRatingsPage page_;
};
