#include "ToolBarAccessible.h"

#include "CToolBarEx.h"
#include "ToolBarButtonAccessible.h"

namespace {

QAccessibleInterface* MakeToolBarAccessible(const QString& className, QObject* object) {
  auto* bar = qobject_cast<CToolBarEx*>(object);
  return className == QLatin1String("CToolBarEx") && bar ? new ToolBarAccessible(bar) : nullptr;
}

}  // namespace

ToolBarAccessible::ToolBarAccessible(CToolBarEx* bar)
    : QAccessibleWidget(bar, QAccessible::ToolBar) {}

ToolBarAccessible::~ToolBarAccessible() {
  for (const QAccessible::Id id : std::as_const(children_))
    QAccessible::deleteAccessibleInterface(id);
}

CToolBarEx* ToolBarAccessible::Bar() const { return static_cast<CToolBarEx*>(widget()); }

QList<int> ToolBarAccessible::Shown() const {
  QList<int> shown;
  for (int i = 0; i < Bar()->ButtonCount(); ++i) {
    if (Bar()->ItemId(i) != 0) shown.append(i);
  }
  return shown;
}

int ToolBarAccessible::childCount() const { return int(Shown().size()); }

QAccessibleInterface* ToolBarAccessible::ButtonChild(int buttonIndex) const {
  if (!Shown().contains(buttonIndex)) return nullptr;
  const auto found = children_.constFind(buttonIndex);
  if (found != children_.constEnd()) return QAccessible::accessibleInterface(*found);
  // The registry owns the button from here on; the destructor deletes it.
  // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
  const QAccessible::Id id =
      QAccessible::registerAccessibleInterface(new ToolBarButtonAccessible(Bar(), buttonIndex));
  // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
  children_.insert(buttonIndex, id);
  return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* ToolBarAccessible::child(int index) const {
  const QList<int> shown = Shown();
  return index >= 0 && index < shown.size() ? ButtonChild(shown[index]) : nullptr;
}

int ToolBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const QList<int> shown = Shown();
  for (int i = 0; i < shown.size(); ++i) {
    const auto found = children_.constFind(shown[i]);
    if (found != children_.constEnd() && QAccessible::accessibleInterface(*found) == child) {
      return i;
    }
  }
  return -1;
}

QAccessibleInterface* ToolBarAccessible::childAt(int x, int y) const {
  const QPoint local = Bar()->mapFromGlobal(QPoint(x, y));
  for (const int i : Shown()) {
    if (Bar()->ItemRect(i).contains(local)) return ButtonChild(i);
  }
  return nullptr;
}

void NotifyButtonStateChanged(CToolBarEx* bar, int index) {
  if (!QAccessible::isActive()) return;
  auto* accessible = dynamic_cast<ToolBarAccessible*>(QAccessible::queryAccessibleInterface(bar));
  QAccessibleInterface* button = accessible ? accessible->ButtonChild(index) : nullptr;
  if (!button) return;
  QAccessible::State changes;
  changes.disabled = true;
  changes.checked = true;
  QAccessibleStateChangeEvent event(button, changes);
  QAccessible::updateAccessibility(&event);
}

void InstallToolBarAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeToolBarAccessible);
    return true;
  }();
  (void)installed;
}
