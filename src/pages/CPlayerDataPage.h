#pragma once

#include <QWidget>

class PageHost;

// Names, biography, number, positions, hand, height and weight, years pro,
// original team and draft data of the shown player.
class CPlayerDataPage : public QWidget {
  Q_OBJECT

 public:
  CPlayerDataPage(PageHost& host, QWidget* parent);

  // Filled by Select in this order: positions (1012, 1013), original team
  // (1015), then the view's team choice, then hand (1014).
  void FillPositionLists();
  void FillOriginalTeamList();
  void FillHandList();
  // The readers of the shown record, the view's PlayerId and Team among them.
  void LoadRecord();
  // Close: lists emptied, values 0 or empty, shown.
  void Clear();

 private:
  PageHost& host_;
};
