#pragma once

#include <QString>
#include <QWidget>

class CKorvaleView;
class QAbstractButton;
class QComboBox;
class QLineEdit;

namespace korvale::testing {

// The user at the keyboard and mouse, on a shown and active editor window.
// Every step ends with the events it caused delivered.

// Shows the window and waits until it is active; false when it never is.
[[nodiscard]] bool ShowActive(QWidget* window);
// The page of tab `index` (0 Player Data, 1 Player Data 2, 2 Player
// Ratings, 3 Season Stats).
QWidget* PageOf(const CKorvaleView& view, int index);
// A control of a page by its id.
template <typename T>
T* ControlOf(const CKorvaleView& view, int page, int id) {
  return PageOf(view, page)->findChild<T*>(QString::number(id));
}
// Chooses the tab with the mouse.
void ChooseTab(CKorvaleView& view, int index);
// Clicks into the edit, then replaces its whole text by typing.
void TypeInto(QLineEdit* edit, const QString& text);
// Tab from whatever has the focus.
void PressTab();
// Clicks the combo box open and picks entry `index` with the keyboard.
void PickEntry(QComboBox* combo, int index);
// The same in two steps: the click that opens the list, then the pick.
void OpenList(QComboBox* combo);
void PickInOpenList(QComboBox* combo, int index);
void ClickButton(QAbstractButton* button);
// The view's own lists, the same way.
void PickPlayerEntry(CKorvaleView& view, const QString& entry);
void PickTeamEntry(CKorvaleView& view, int index);
void ClickRosterRow(CKorvaleView& view, int row);

}  // namespace korvale::testing
