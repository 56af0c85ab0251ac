#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CToolBarEx;

// The flat tool bar as a screen reader sees it: a tool bar whose children
// are its buttons (separators left out), in order.
class ToolBarAccessible : public QAccessibleWidget {
 public:
  explicit ToolBarAccessible(CToolBarEx* bar);
  ~ToolBarAccessible() override;

  [[nodiscard]] int childCount() const override;
  [[nodiscard]] QAccessibleInterface* child(int index) const override;
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
  [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;

  // The child that stands for button `index` of the bar, or nullptr for a
  // separator.
  [[nodiscard]] QAccessibleInterface* ButtonChild(int buttonIndex) const;

 private:
  [[nodiscard]] CToolBarEx* Bar() const;
  [[nodiscard]] QList<int> Shown() const;  // button indexes of the children

  mutable QHash<int, QAccessible::Id> children_;  // by button index
};

// Tells a listening screen reader that button `index` of `bar` changed its
// enabled or checked state.
void NotifyButtonStateChanged(CToolBarEx* bar, int index);

// Makes every CToolBarEx use ToolBarAccessible. Safe to call more than once.
void InstallToolBarAccessible();
