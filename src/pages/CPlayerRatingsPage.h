#pragma once

#include <QWidget>

class PageHost;

// The twenty ratings, dunk settings, shooting ranges and the overall.
class CPlayerRatingsPage : public QWidget {
  Q_OBJECT

 public:
  CPlayerRatingsPage(PageHost& host, QWidget* parent);

  void LoadRecord();
  void RecalculateOverall();
  void Clear();

 private:
  PageHost& host_;
};
