#pragma once

#include <QWidget>

#include "PlayerData2Page.h"
#include "WidgetControls.h"

class PageHost;

// The Player Data 2 page on the screen; its rules are PlayerData2Page's.
class CPlayerData2Page : public QWidget {
  Q_OBJECT

 public:
  CPlayerData2Page(PageHost& host, QWidget* parent);

  void FillLists() { page_.FillLists(); }
  void LoadRecord() { page_.LoadRecord(); }
  void Clear() { page_.Clear(); }
  [[nodiscard]] const PageExchange& Exchange() const { return page_.Exchange(); }
  // The page's rules and its controls, for the form's rules.
  [[nodiscard]] PlayerData2Page& Rules() { return page_; }
  [[nodiscard]] const WidgetControls& Controls() const { return controls_; }

 private:
  WidgetControls controls_;
  PlayerData2Page page_;
};
