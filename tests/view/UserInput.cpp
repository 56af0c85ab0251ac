#include "UserInput.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include "CKorvaleView.h"
#include "QtFormPage.h"
#include "TabControl.h"

namespace korvale::testing {

bool ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

QWidget* PageOf(const CKorvaleView& view, int index) {
  QWidget* const pages[] = {view.Page(0), view.Page(1), view.Page(2), view.Page(3)};
  return pages[index];
}

void ChooseTab(CKorvaleView& view, int index) {
  QTabBar* bar = view.TabControl()->Bar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  QApplication::processEvents();
}

void TypeInto(QLineEdit* edit, const QString& text) {
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  QApplication::processEvents();  // a failed take hands the focus back here
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Backspace);
  for (QChar c : text) {  // key events with text, for letters beyond ASCII too
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void PressTab() {
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr) QTest::keyClick(focus, Qt::Key_Tab);
  QApplication::processEvents();
}

void PickInOpenList(QComboBox* combo, int index) {
  QAbstractItemView* list = combo->view();
  if (!list->isVisible()) combo->showPopup();
  list->setCurrentIndex(combo->model()->index(index, 0));
  QTest::keyClick(list, Qt::Key_Return);
  QApplication::processEvents();
}

void OpenList(QComboBox* combo) {
  QTest::mouseClick(combo, Qt::LeftButton, {}, combo->rect().center());
  QApplication::processEvents();
}

void PickEntry(QComboBox* combo, int index) {
  OpenList(combo);
  PickInOpenList(combo, index);
}

void ClickButton(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  QApplication::processEvents();
}

void PickPlayerEntry(CKorvaleView& view, const QString& entry) {
  PickEntry(view.PlayerList(), view.PlayerList()->findText(entry));
}

void PickTeamEntry(CKorvaleView& view, int index) { PickEntry(view.TeamChoice(), index); }

void ClickRosterRow(CKorvaleView& view, int row) {
  QListWidget* list = view.RosterList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
  QApplication::processEvents();
}

}  // namespace korvale::testing
