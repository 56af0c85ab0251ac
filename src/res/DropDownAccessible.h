#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace korvale::res {

// A drop-down list as a screen reader on the Linux desktop expects it: its
// current entry as its name (and value), empty when it shows none; its label
// through the labelled-by relation (the label's buddy) or, with no label on
// the form, as its description; its open list as its one child; pressing it
// opens the list.
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
