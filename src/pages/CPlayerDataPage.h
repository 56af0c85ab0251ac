#pragma once

#include <QWidget>

#include "PlayerDataPage.h"
#include "WidgetControls.h"

class PageHost;
class QComboBox;
class QLineEdit;

// The Player Data page on the screen; its rules are PlayerDataPage's.
class CPlayerDataPage : public QWidget {
  Q_OBJECT

 public:
  using Values = PlayerDataPage::Values;
  using enum korvale::res::playerdata::Control;

  CPlayerDataPage(PageHost& host, QWidget* parent);

  void FillPositionLists() { page_.FillPositionLists(); }
  void FillOriginalTeamList() { page_.FillOriginalTeamList(); }
  void FillHandList() { page_.FillHandList(); }
  void LoadRecord() { page_.LoadRecord(); }
  void Clear() { page_.Clear(); }
  [[nodiscard]] const PageExchange& Exchange() const { return page_.Exchange(); }
  // The page's rules and its controls, for the form's rules.
  [[nodiscard]] PlayerDataPage& Rules() { return page_; }
  [[nodiscard]] const WidgetControls& Controls() const { return controls_; }

  [[nodiscard]] const Values& Data() const { return page_.Data(); }
  [[nodiscard]] QWidget* Control(int id) const { return controls_.Map().Find(id); }
  [[nodiscard]] QLineEdit* Edit(int id) const;
  [[nodiscard]] QComboBox* List(int id) const;

 private:
  WidgetControls controls_;
  PlayerDataPage page_;
};
