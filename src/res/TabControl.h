#pragma once

#include <QWidget>

class QTabBar;

namespace korvale::res {

// A tab strip over a framed panel. Unlike QTabWidget it does not own or
// place the pages: they are plain children that their owner shows, hides
// and positions itself.
class TabControl : public QWidget {
  Q_OBJECT

 public:
  explicit TabControl(QWidget* parent = nullptr);

  int InsertItem(int position, const QString& text);
  [[nodiscard]] int CurrentIndex() const;
  void SetCurrentIndex(int index);
  [[nodiscard]] int Count() const;
  [[nodiscard]] QString ItemText(int index) const;
  [[nodiscard]] QTabBar* Bar() const { return bar_; }

 signals:
  void SelectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* bar_;
};

}  // namespace korvale::res
