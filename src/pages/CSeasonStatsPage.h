#pragma once

#include <QWidget>

class PageHost;

// The sixteen season totals and the values derived from them.
class CSeasonStatsPage : public QWidget {
  Q_OBJECT

 public:
  CSeasonStatsPage(PageHost& host, QWidget* parent);

  void LoadRecord();
  void Clear();

 private:
  PageHost& host_;
};
