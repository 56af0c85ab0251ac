#include "QtEditingDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include "ResourceIds.h"
#include "UserInput.h"

namespace korvale::testing {
namespace {

// Whatever the step set going, a focus handed back later among it.
void Settle() { QApplication::processEvents(); }

}  // namespace

QtEditingDriver::QtEditingDriver() : view_(SystemFileSystem(), messages_) {
  view_.SetFileChooser([this](QWidget*) { return chosen_; });
  view_.resize(520, 380);
  active_ = ShowActive(&view_);
}

void QtEditingDriver::AnswerFileDialog(const std::string& path) {
  chosen_ = QString::fromStdString(path);
}

void QtEditingDriver::Type(int page, int control, const std::string& text) {
  TypeInto(ControlOf<QLineEdit>(view_, page, control), QString::fromStdString(text));
  Settle();
}

void QtEditingDriver::Tab() { PressTab(); }

void QtEditingDriver::Escape() {
  if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Escape);
  Settle();
}

void QtEditingDriver::Pick(int page, int control, int index) {
  PickEntry(ControlOf<QComboBox>(view_, page, control), index);
}

void QtEditingDriver::Click(int page, int control) {
  ClickButton(ControlOf<QAbstractButton>(view_, page, control));
}

// As the menu and the tool bar give them: the focus stays where it is.
void QtEditingDriver::Command(int id) {
  switch (id) {
    case res::kIdSelect: view_.Select(); break;
    case res::kIdClose: view_.Close(); break;
    case res::kIdForward: view_.Forward(); break;
    case res::kIdBack: view_.Back(); break;
    default: break;
  }
  Settle();
}

void QtEditingDriver::PickPlayer(int index) { PickEntry(view_.PlayerList(), index); }

void QtEditingDriver::PickTeam(int index) { PickTeamEntry(view_, index); }

void QtEditingDriver::ClickRosterRow(int row) { korvale::testing::ClickRosterRow(view_, row); }

// A wheel event over a widget does not move the focus to it.
void QtEditingDriver::WheelPlayerList() {
  QComboBox* list = view_.PlayerList();
  const QPointF at = QRectF(list->rect()).center();
  QWheelEvent wheel(at, list->mapToGlobal(at), QPoint(),
                    QPoint(0, -QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &wheel);
  Settle();
}

void QtEditingDriver::ChooseTab(int page) { korvale::testing::ChooseTab(view_, page); }

int QtEditingDriver::ShownRecord() {
  return view_.File().IsSelected() ? view_.File().CurrentRecord() : -1;
}

std::string QtEditingDriver::Text(int page, int control) {
  return ControlOf<QLineEdit>(view_, page, control)->text().toStdString();
}

}  // namespace korvale::testing
