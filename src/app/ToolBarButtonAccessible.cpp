#include "ToolBarButtonAccessible.h"

#include <QAction>

#include "CToolBarEx.h"
#include "ToolBarAccessible.h"

namespace ButtonState = korvale::toolbar::ButtonState;

ToolBarButtonAccessible::ToolBarButtonAccessible(CToolBarEx* bar, int index)
    : bar_(bar), index_(index) {}

bool ToolBarButtonAccessible::isValid() const {
  return bar_ && index_ < bar_->ButtonCount() && bar_->ItemAction(index_);
}

QWindow* ToolBarButtonAccessible::window() const {
  return bar_ ? bar_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ToolBarButtonAccessible::parent() const {
  return bar_ ? QAccessible::queryAccessibleInterface(bar_.data()) : nullptr;
}

QString ToolBarButtonAccessible::text(QAccessible::Text t) const {
  if (!isValid()) return {};
  const QAction* action = bar_->ItemAction(index_);
  switch (t) {
    case QAccessible::Name: return action->toolTip();
    case QAccessible::Description: return action->statusTip();
    default: return {};
  }
}

QRect ToolBarButtonAccessible::rect() const {
  if (!isValid()) return {};
  const QRect r = bar_->ItemRect(index_);
  return {bar_->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State ToolBarButtonAccessible::state() const {
  QAccessible::State s;
  if (!isValid()) {
    s.invalid = true;
    return s;
  }
  const std::uint16_t bits = bar_->ButtonWord(index_) >> 16;
  s.disabled = (bits & ButtonState::kEnabled) == 0;
  s.checkable = bar_->ItemAction(index_)->isCheckable();
  s.checked = (bits & ButtonState::kChecked) != 0;
  s.pressed = (bits & ButtonState::kPressed) != 0;
  s.invisible = !bar_->isVisible();
  return s;
}

void* ToolBarButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                              : nullptr;
}

QStringList ToolBarButtonAccessible::actionNames() const {
  if (state().disabled || !isValid()) return {};
  return {pressAction()};
}

void ToolBarButtonAccessible::doAction(const QString& actionName) {
  if (actionName != pressAction() || !actionNames().contains(actionName)) return;
  // Later, as Qt's own buttons do: the screen reader's call returns at once
  // instead of waiting for the file dialog or the about box to close.
  QMetaObject::invokeMethod(bar_->ItemAction(index_), &QAction::trigger, Qt::QueuedConnection);
}
