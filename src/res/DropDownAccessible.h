#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace korvale::res {

// A drop-down list as a screen reader sees it: called by its accessible
// name (the label before it), its current entry as its value, its open list
// as its one child; pressing it opens the list.
class DropDownAccessible : public QAccessibleWidget {
 public:
  explicit DropDownAccessible(QComboBox* combo);

  [[nodiscard]] QString text(QAccessible::Text t) const override;
  [[nodiscard]] int childCount() const override;
  [[nodiscard]] QAccessibleInterface* child(int index) const override;
  [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
  [[nodiscard]] QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  [[nodiscard]] QComboBox* Combo() const;
};

// Makes every drop-down list that cannot be typed in use DropDownAccessible.
// Safe to call more than once.
void InstallDropDownAccessible();

}  // namespace korvale::res
