#include "ToolBarAccessible.h"

#include <vector>

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "CToolBarEx.h"

namespace {

// One command button of the bar; it has no widget of its own.
class ButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ButtonAccessible(CToolBarEx* bar, int index) : bar_(bar), index_(index) {}

  bool isValid() const override { return bar_ && index_ < bar_->ButtonCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(bar_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    QAction* action = isValid() ? bar_->ItemAction(index_) : nullptr;
    if (action == nullptr) return {};
    if (t == QAccessible::Name) return action->toolTip();
    if (t == QAccessible::Description) return action->statusTip().trimmed();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect item = bar_->ItemRect(index_);
    return {bar_->mapToGlobal(item.topLeft()), item.size()};
  }
  QAccessible::Role role() const override { return QAccessible::PushButton; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.disabled = !isValid() || ((bar_->ButtonWord(index_) >> 16) & ButtonState::kEnabled) == 0;
    s.invisible = !bar_ || !bar_->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || state().disabled) return;
    if (QAction* action = bar_->ItemAction(index_)) action->trigger();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<CToolBarEx> bar_;
  int index_;
};

// The bar: its children are the command buttons, separators left out.
class ToolBarAccessible : public QAccessibleWidget {
 public:
  explicit ToolBarAccessible(CToolBarEx* bar) : QAccessibleWidget(bar, QAccessible::ToolBar) {}
  ~ToolBarAccessible() override {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return static_cast<int>(Buttons().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<int> buttons = Buttons();
    if (index < 0 || index >= static_cast<int>(buttons.size())) return nullptr;
    if (ids_.size() < buttons.size()) ids_.resize(buttons.size(), 0);
    QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(
          new ButtonAccessible(Bar(), buttons[static_cast<std::size_t>(index)]));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (this->child(i) == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i) {
      if (child(i)->rect().contains(x, y)) return child(i);
    }
    return nullptr;
  }

 private:
  CToolBarEx* Bar() const { return static_cast<CToolBarEx*>(widget()); }
  std::vector<int> Buttons() const {
    std::vector<int> buttons;
    for (int i = 0; i < Bar()->ButtonCount(); ++i) {
      if (Bar()->ItemId(i) != 0) buttons.push_back(i);
    }
    return buttons;
  }

  mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* ToolBarFactory(const QString& key, QObject* object) {
  if (key == QLatin1String("CToolBarEx")) {
    if (auto* bar = qobject_cast<CToolBarEx*>(object)) return new ToolBarAccessible(bar);
  }
  return nullptr;
}

}  // namespace

void InstallToolBarAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ToolBarFactory);
    return true;
  }();
  (void)installed;
}
