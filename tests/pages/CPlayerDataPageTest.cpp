#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>

#include "FakePageHost.h"
#include "MessageLog.h"
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "RecordLayout.h"

namespace {

using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;
using P = QtTestPage<PlayerDataPage>;

// A valid record: every ranged field inside its range, so that a take over
// the whole page succeeds unless a test spoils one field on purpose.
PlayerFileBuilder& ValidRecord(PlayerFileBuilder& b, int k) {
  return b.Number(k, FieldId::PlayerNumber, 23)
      .Number(k, FieldId::YearsPro, 5)
      .Number(k, FieldId::Position, 2)
      .Number(k, FieldId::SecondPosition, 3)
      .Raw(k, FieldId::PlayerId, "1234")
      .Number(k, FieldId::Height, 75)
      .Number(k, FieldId::Weight, 215)
      .Text(k, FieldId::LastName, "Doe")
      .Text(k, FieldId::FirstName, "John")
      .Text(k, FieldId::Nickname, "JD")
      .Number(k, FieldId::BirthYear, 1980)
      .Number(k, FieldId::BirthMonth, 12)
      .Number(k, FieldId::BirthDay, 25)
      .Text(k, FieldId::BirthTown, "Springfield")
      .Text(k, FieldId::BirthState, "Ohio")
      .Number(k, FieldId::Hand, 0)
      .Number(k, FieldId::DraftYear, 1996)
      .Raw(k, FieldId::DraftedBy, "BOS")
      .Number(k, FieldId::DraftRound, 1)
      .Number(k, FieldId::DraftOverall, 12)
      .Number(k, FieldId::DraftPlace, 3)
      .Number(k, FieldId::Team, 5)
      .Number(k, FieldId::OriginalTeam, 1);
}

class PlayerDataPageTest : public ::testing::Test {
 protected:
  // Builds the file (two valid records, changed by `adjust`), opens it as
  // Select does and shows record 0.
  void Open(const std::function<void(PlayerFileBuilder&)>& adjust = {}) {
    PlayerFileBuilder builder(2);
    ValidRecord(builder, 0);
    ValidRecord(builder, 1);
    if (adjust) adjust(builder);
    path = builder.WriteTo(dir / "Players.dbf");
    host.file.OpenPlayerFile(path.string());
    page->FillPositionLists();
    page->FillOriginalTeamList();
    page->FillHandList();
    page->LoadRecord();
    ShowWindow();
    host.calls.clear();
    host.messages.Clear();
  }

  void ShowWindow() {
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
  }

  [[nodiscard]] std::string Bytes(FieldId field, int record = 0) const {
    return FieldBytes(ReadAll(path), record, field);
  }
  [[nodiscard]] QLineEdit* Edit(int id) const { return page->Edit(id); }

  // Replaces the whole text of an edit by typing.
  void Type(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->rect().center());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }
  static void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  // The user opens the list and picks an entry with the keyboard.
  void Pick(int id, int index) {
    QComboBox* list = page->List(id);
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->rect().center());
    QTRY_VERIFY(list->view()->isVisible());
    list->view()->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
  }
  TempDir dir;
  std::filesystem::path path;
  FakePageHost<MessageLog> host;
  std::unique_ptr<P> page = std::make_unique<P>(host, nullptr);
};

TEST_F(PlayerDataPageTest, TemplateBuildsTheControlsLabelsAndFrame) {
  for (int id : {P::kFirstName, P::kLastName, P::kNickname, P::kBirthMonth, P::kBirthDay,
                 P::kBirthYear, P::kBirthTown, P::kBirthState, P::kHeight, P::kWeight,
                 P::kPlayerNumber, P::kYearsPro, P::kDraftYear, P::kDraftRound, P::kDraftedBy,
                 P::kDraftOverall, P::kDraftPlace, P::kHeightText}) {
    EXPECT_NE(Edit(id), nullptr) << id;
  }
  for (int id : {P::kSchool, P::kHand, P::kPosition, P::kSecondPosition, P::kOriginalTeam})
    EXPECT_NE(page->List(id), nullptr) << id;
  EXPECT_TRUE(Edit(P::kHeightText)->isReadOnly());
  EXPECT_FALSE(page->List(P::kSchool)->isEnabled());
  QStringList labels;
  for (auto* label : page->findChildren<QLabel*>()) labels << label->text();
  for (const char* text :
       {"First Name:", "Last Name:", "Nickname:", "Birthdate:", "Birthtown:",
        "Birthstate:", "School:",    "Hand:",     "Position:",  "Position 2:",
        "Height:",     "Weight:",    "Number:",   "Years Pro:", "Year:",
        "Round:",      "By:",        "Overall:",  "Place:",     "Original Team:"}) {
    EXPECT_TRUE(labels.contains(text)) << text;
  }
  EXPECT_EQ(labels.size(), 20);
  const auto frames = page->findChildren<QGroupBox*>();
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0]->title(), "Draft Info");
  // The frame lies behind the draft edits, so they can be clicked.
  EXPECT_EQ(page->childAt(Edit(P::kDraftRound)->geometry().center()), Edit(P::kDraftRound));
}

TEST_F(PlayerDataPageTest, TabFollowsTheTemplateOrder) {
  ShowWindow();  // no file: leaving the edits writes nothing
  Edit(P::kFirstName)->setFocus(Qt::OtherFocusReason);
  QStringList order{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 22; ++i) {
    Tab();
    order << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(order, QString("1002 1003 1004 1005 1024 1025 1006 1007 1014 1012 1013 1009 1010 "
                           "1008 1018 1016 1019 1017 1020 1023 1015 1011 1002")
                       .split(' '));
  EXPECT_TRUE(host.messages.warnings.empty());
}

TEST_F(PlayerDataPageTest, ProgramSelectionsNeverWriteTheUsersPicksDo) {
  Open([](PlayerFileBuilder& b) { b.Raw(1, FieldId::OriginalTeam, "3 "); });
  const std::string before = ReadAll(path);
  host.file.SetCurrentRecord(1);
  page->LoadRecord();
  page->FillPositionLists();
  EXPECT_EQ(ReadAll(path), before);

  Pick(P::kOriginalTeam, 28);  // through the open list
  EXPECT_EQ(Bytes(FieldId::OriginalTeam, 1), "28");
  QTest::keyClick(page->List(P::kHand), Qt::Key_Down);  // on the closed list
  EXPECT_EQ(Bytes(FieldId::Hand, 1), "1");
}

TEST_F(PlayerDataPageTest, OpeningAMenuDoesNotCommit) {
  Open();
  const std::string before = ReadAll(path);
  Type(P::kWeight, "300");
  QMenu menu;
  menu.addAction("Select");
  menu.popup(page->mapToGlobal(QPoint(0, 0)));
  QTRY_VERIFY(menu.isVisible());
  QTest::keyClick(&menu, Qt::Key_Escape);
  QTRY_VERIFY(!menu.isVisible());
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(Edit(P::kWeight)->text(), "300");
  Edit(P::kWeight)->setFocus(Qt::OtherFocusReason);
  Tab();  // the real move commits what was typed
  EXPECT_EQ(Bytes(FieldId::Weight), "300");
}

}  // namespace
