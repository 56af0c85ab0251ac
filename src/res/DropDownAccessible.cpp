#include "DropDownAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace korvale::res {
namespace {

QAccessibleInterface* MakeDropDownAccessible(const QString& className, QObject* object) {
  auto* combo = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || !combo || combo->isEditable()) return nullptr;
  return new DropDownAccessible(combo);
}

}  // namespace

DropDownAccessible::DropDownAccessible(QComboBox* combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox* DropDownAccessible::Combo() const { return static_cast<QComboBox*>(widget()); }

QString DropDownAccessible::text(QAccessible::Text t) const {
  // The entry it shows, and nothing when it shows none: never the label,
  // which the labelled-by relation carries.
  if (t == QAccessible::Name || t == QAccessible::Value) return Combo()->currentText();
  return QAccessibleWidget::text(t);
}

int DropDownAccessible::childCount() const { return 1; }

QAccessibleInterface* DropDownAccessible::child(int index) const {
  return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
}

int DropDownAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return child && child->object() == Combo()->view() ? 0 : -1;
}

QStringList DropDownAccessible::actionNames() const {
  return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void DropDownAccessible::doAction(const QString& actionName) {
  if (actionName == showMenuAction() || actionName == pressAction()) {
    Combo()->showPopup();
  } else {
    QAccessibleWidget::doAction(actionName);
  }
}

void InstallDropDownAccessible() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeDropDownAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace korvale::res
