#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class CToolBarEx;

// One button of the flat tool bar: a push button named by its tip, enabled
// or not as its command is, that runs its command when pressed.
class ToolBarButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ToolBarButtonAccessible(CToolBarEx* bar, int index);

  [[nodiscard]] bool isValid() const override;
  [[nodiscard]] QObject* object() const override { return nullptr; }
  [[nodiscard]] QWindow* window() const override;
  [[nodiscard]] QAccessibleInterface* parent() const override;
  [[nodiscard]] QAccessibleInterface* child(int) const override { return nullptr; }
  [[nodiscard]] int childCount() const override { return 0; }
  [[nodiscard]] int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  [[nodiscard]] QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  [[nodiscard]] QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  [[nodiscard]] QRect rect() const override;
  [[nodiscard]] QAccessible::Role role() const override { return QAccessible::PushButton; }
  [[nodiscard]] QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  [[nodiscard]] QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  [[nodiscard]] QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<CToolBarEx> bar_;
  int index_;
};
