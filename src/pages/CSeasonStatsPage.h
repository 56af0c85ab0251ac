#pragma once

#include <QWidget>

#include "SeasonStatsPage.h"
#include "WidgetControls.h"

class PageHost;

// The Season Stats page on the screen; its rules are SeasonStatsPage's.
class CSeasonStatsPage : public QWidget {
  Q_OBJECT

 public:
  CSeasonStatsPage(PageHost& host, QWidget* parent);

  void LoadRecord() { page_.LoadRecord(); }
  void RecomputeDerived() { page_.RecomputeDerived(); }
  void Clear() { page_.Clear(); }
  [[nodiscard]] const PageExchange& Exchange() const { return page_.Exchange(); }
  // The page's rules and its controls, for the form's rules.
  [[nodiscard]] SeasonStatsPage& Rules() { return page_; }
  [[nodiscard]] const WidgetControls& Controls() const { return controls_; }

 private:
  WidgetControls controls_;
  SeasonStatsPage page_;
};
