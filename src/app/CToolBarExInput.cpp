// Mouse, timer, tip and palette handling of CToolBarEx.
#include <QAction>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimerEvent>
#include <QToolTip>

#include "CToolBarEx.h"

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
  const QPoint pos = e->position().toPoint();
  if (flat_) {
    TrackHot(pos);
    RestartHoverTimer();
  }
  ShowPrompt(ButtonAt(pos));
  QWidget::mouseMoveEvent(e);
}

void CToolBarEx::TrackHot(QPoint pos) {
  const int oldHot = hot_;
  hot_ = -1;
  for (int i = 0; i < ButtonCount(); ++i) {
    const auto& b = buttons_[i];
    if (b.IsSeparator() || !b.IsEnabled()) continue;
    if (b.rect.contains(pos)) {
      if (i != oldHot) InvalidateButton(b.rect, false);
      hot_ = i;
    } else if (i == oldHot) {
      InvalidateButton(b.rect, false);
    }
  }
}

void CToolBarEx::RestartHoverTimer() {
  if (hoverTimerId_ != 0) killTimer(hoverTimerId_);
  hoverTimerId_ = startTimer(kHoverTimerInterval);
}

void CToolBarEx::timerEvent(QTimerEvent* e) {
  const bool hoverTick = flat_ && hoverTimerId_ != 0 && e->timerId() == hoverTimerId_;
  if (!hoverTick || hot_ < 0) {
    QWidget::timerEvent(e);
    return;
  }
  const QRect window(mapToGlobal(QPoint(0, 0)), size());
  if (window.contains(CursorPos())) return;
  InvalidateButton(buttons_[hot_].rect, false);
  hot_ = -1;
  killTimer(hoverTimerId_);
  hoverTimerId_ = 0;
}

void CToolBarEx::mousePressEvent(QMouseEvent* e) {
  const int index = ButtonAt(e->position().toPoint());
  if (e->button() != Qt::LeftButton || index < 0 || !buttons_[index].IsEnabled()) {
    QWidget::mousePressEvent(e);
    return;
  }
  pressed_ = index;
  buttons_[index].state |= ButtonState::kPressed;
  InvalidateButton(buttons_[index].rect, true);
}

void CToolBarEx::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || pressed_ < 0) {
    QWidget::mouseReleaseEvent(e);
    return;
  }
  ToolBarButton& b = buttons_[pressed_];
  b.state &= ~ButtonState::kPressed;
  InvalidateButton(b.rect, true);
  const bool inside = ButtonAt(e->position().toPoint()) == pressed_;
  pressed_ = -1;
  QPointer<QAction> action = b.action;
  if (inside && b.IsEnabled() && action) action->trigger();
}

void CToolBarEx::leaveEvent(QEvent* e) {
  ShowPrompt(-1);
  QWidget::leaveEvent(e);
}

void CToolBarEx::ShowPrompt(int index) {
  if (index == prompt_) return;
  prompt_ = index;
  const QAction* action = index >= 0 ? buttons_[index].action.data() : nullptr;
  QStatusTipEvent tip(action ? action->statusTip() : QString());
  QCoreApplication::sendEvent(this, &tip);
}

void CToolBarEx::ShowToolTip(QHelpEvent* e) {
  const int index = ButtonAt(e->pos());
  const QAction* action = index >= 0 ? buttons_[index].action.data() : nullptr;
  if (!action || action->toolTip().isEmpty()) {
    QToolTip::hideText();
    e->ignore();
    return;
  }
  QToolTip::showText(e->globalPos(), action->toolTip(), this, buttons_[index].rect);
}
