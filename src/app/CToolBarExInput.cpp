// Mouse, timer, tip and palette handling of CToolBarEx.
#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimerEvent>
#include <QToolTip>

#include "CToolBarEx.h"

namespace {

korvale::toolbar::Point At(const QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

bool CToolBarEx::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip) {
    ShowToolTip(static_cast<QHelpEvent*>(e));
    return true;
  }
  return QWidget::event(e);
}

void CToolBarEx::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::PaletteChange) ReadColors();
}

void CToolBarEx::mouseMoveEvent(QMouseEvent* e) {
  bar_.MouseMove(At(e));
  ShowPrompt(bar_.CommandAt(At(e)));
  QWidget::mouseMoveEvent(e);
}

void CToolBarEx::timerEvent(QTimerEvent* e) {
  if (!bar_.Tick(std::uintptr_t(e->timerId()))) QWidget::timerEvent(e);
}

void CToolBarEx::mousePressEvent(QMouseEvent* e) {
  const int index = bar_.ButtonAt(At(e));
  if (e->button() != Qt::LeftButton || index < 0 || !ButtonOf(index).IsEnabled()) {
    QWidget::mousePressEvent(e);
    return;
  }
  pressed_ = index;
  bar_.SetPressed(index, true);
}

void CToolBarEx::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || pressed_ < 0) {
    QWidget::mouseReleaseEvent(e);
    return;
  }
  const int index = pressed_;
  pressed_ = -1;
  bar_.SetPressed(index, false);
  QPointer<QAction> action = actions_.at(index);
  if (bar_.ButtonAt(At(e)) == index && ButtonOf(index).IsEnabled() && action) action->trigger();
}

void CToolBarEx::leaveEvent(QEvent* e) {
  ShowPrompt(0);
  QWidget::leaveEvent(e);
}

void CToolBarEx::ShowPrompt(int commandId) {
  if (!bar_.PromptFor(commandId)) return;
  const int index = bar_.IndexOf(commandId);
  const QAction* action = index >= 0 ? actions_.at(index).data() : nullptr;
  QStatusTipEvent tip(action ? action->statusTip() : QString());
  QCoreApplication::sendEvent(this, &tip);
}

void CToolBarEx::ShowToolTip(QHelpEvent* e) {
  const int index = bar_.ButtonAt({e->pos().x(), e->pos().y()});
  const QAction* action = index >= 0 ? actions_.at(index).data() : nullptr;
  if (!action || action->toolTip().isEmpty()) {
    QToolTip::hideText();
    e->ignore();
    return;
  }
  QToolTip::showText(e->globalPos(), action->toolTip(), this, ItemRect(index));
}
