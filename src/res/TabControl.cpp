#include "TabControl.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace korvale::res {

TabControl::TabControl(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
  bar_->setDrawBase(false);
  bar_->setExpanding(false);
  connect(bar_, &QTabBar::currentChanged, this, &TabControl::SelectionChanged);
}

int TabControl::InsertItem(int position, const QString& text) {
  const int index = bar_->insertTab(position, text);
  bar_->resize(width(), bar_->sizeHint().height());
  update();
  return index;
}

int TabControl::CurrentIndex() const { return bar_->currentIndex(); }
void TabControl::SetCurrentIndex(int index) { bar_->setCurrentIndex(index); }
int TabControl::Count() const { return bar_->count(); }
QString TabControl::ItemText(int index) const { return bar_->tabText(index); }

void TabControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  bar_->resize(width(), bar_->sizeHint().height());
}

void TabControl::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  const int top = bar_->height() - 1;
  frame.rect = QRect(0, top, width(), height() - top);
  frame.tabBarSize = bar_->sizeHint();
  frame.shape = QTabBar::RoundedNorth;
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace korvale::res
