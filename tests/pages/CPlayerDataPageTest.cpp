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
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "RecordLayout.h"
#include "RecordingMessages.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::SpanBytes;
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

// Records for the readers' order: at each call into the view, what the page
// had already read.
class OrderHost : public FakePageHost<RecordingMessages> {
 public:
  void ShowPlayerId(std::int32_t id) override {
    FakePageHost<RecordingMessages>::ShowPlayerId(id);
    secondPositionAtPlayerId = page->List(P::kSecondPosition)->currentIndex();
    heightAtPlayerId = page->Data().Height;
  }
  void SelectTeamChoice(int index) override {
    FakePageHost<RecordingMessages>::SelectTeamChoice(index);
    draftPlaceAtTeam = page->Data().DraftPlace;
    originalTeamAtTeam = page->List(P::kOriginalTeam)->currentIndex();
  }

  P* page = nullptr;
  int secondPositionAtPlayerId = -2;
  std::int32_t heightAtPlayerId = -2;
  std::int32_t draftPlaceAtTeam = -2;
  int originalTeamAtTeam = -2;
};

class PlayerDataPageTest : public ::testing::Test {
 protected:
  PlayerDataPageTest() { host.page = page.get(); }

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

  // The user clicks into an edit (leaving whatever had the focus), then the
  // recorded calls and messages start afresh.
  void ClickInto(int id) {
    QLineEdit* edit = Edit(id);
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->rect().center());
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QApplication::processEvents();  // a failed take hands the focus back next
    host.calls.clear();
    host.messages.Clear();
  }
  // Replaces the whole text of an edit by typing.
  void Type(int id, const QString& text) {
    ClickInto(id);
    QLineEdit* edit = Edit(id);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {  // as key events with text, for letters beyond ASCII too
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
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
  OrderHost host;
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
  EXPECT_TRUE(host.messages.warnings.isEmpty());
}

TEST_F(PlayerDataPageTest, ShowsEveryFieldOfTheRecord) {
  Open();
  EXPECT_EQ(Edit(P::kFirstName)->text(), "John");
  EXPECT_EQ(Edit(P::kLastName)->text(), "Doe");
  EXPECT_EQ(Edit(P::kNickname)->text(), "JD");
  EXPECT_EQ(Edit(P::kBirthMonth)->text(), "12");
  EXPECT_EQ(Edit(P::kBirthDay)->text(), "25");
  EXPECT_EQ(Edit(P::kBirthYear)->text(), "1980");
  EXPECT_EQ(Edit(P::kBirthTown)->text(), "Springfield");
  EXPECT_EQ(Edit(P::kBirthState)->text(), "Ohio");
  EXPECT_EQ(Edit(P::kHeight)->text(), "75");
  EXPECT_EQ(Edit(P::kHeightText)->text(), "6' 3\"");
  EXPECT_EQ(Edit(P::kWeight)->text(), "215");
  EXPECT_EQ(Edit(P::kPlayerNumber)->text(), "23");
  EXPECT_EQ(Edit(P::kYearsPro)->text(), "5");
  EXPECT_EQ(Edit(P::kDraftYear)->text(), "1996");
  EXPECT_EQ(Edit(P::kDraftRound)->text(), "1");
  EXPECT_EQ(Edit(P::kDraftedBy)->text(), "BOS");
  EXPECT_EQ(Edit(P::kDraftOverall)->text(), "12");
  EXPECT_EQ(Edit(P::kDraftPlace)->text(), "3");
  EXPECT_EQ(page->List(P::kPosition)->currentText(), "Small Forward");
  EXPECT_EQ(page->List(P::kSecondPosition)->currentText(), "Shooting Guard");
  EXPECT_EQ(page->List(P::kHand)->currentText(), "Right");
  EXPECT_EQ(page->List(P::kOriginalTeam)->currentText(), "Boston");
  EXPECT_EQ(page->List(P::kSchool)->count(), 0);
  // The lists hold their entries in code order.
  EXPECT_EQ(page->List(P::kPosition)->count(), 5);
  EXPECT_EQ(page->List(P::kSecondPosition)->itemText(0), "None");
  EXPECT_EQ(page->List(P::kSecondPosition)->count(), 6);
  EXPECT_EQ(page->List(P::kHand)->itemText(1), "Left");
  EXPECT_EQ(page->List(P::kOriginalTeam)->count(), 29);
  EXPECT_EQ(page->List(P::kOriginalTeam)->itemText(28), "Washington");
}

TEST_F(PlayerDataPageTest, ReadersRunInOrderWithTheViewsPlayerIdAndTeam) {
  Open([](PlayerFileBuilder& b) {
    b.Number(1, FieldId::SecondPosition, -1)
        .Number(1, FieldId::Height, 80)
        .Raw(1, FieldId::PlayerId, "  77")
        .Number(1, FieldId::DraftPlace, 9)
        .Number(1, FieldId::Team, 30)
        .Number(1, FieldId::OriginalTeam, 7);
  });
  host.file.SetCurrentRecord(1);
  page->LoadRecord();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowPlayerId 77", "SelectTeamChoice 30"}));
  EXPECT_EQ(host.secondPositionAtPlayerId, 0);  // read before PlayerId
  EXPECT_EQ(host.heightAtPlayerId, 75);         // read after it
  EXPECT_EQ(host.draftPlaceAtTeam, 9);          // read before Team
  EXPECT_EQ(host.originalTeamAtTeam, 1);        // read after it
  EXPECT_EQ(page->List(P::kOriginalTeam)->currentIndex(), 7);
}

TEST_F(PlayerDataPageTest, LeavingUnchangedRewritesTheNormalisedForm) {
  Open([](PlayerFileBuilder& b) {
    b.Raw(0, FieldId::YearsPro, "05").Raw(0, FieldId::PlayerNumber, "00");
  });
  EXPECT_EQ(Edit(P::kYearsPro)->text(), "5");
  EXPECT_EQ(Edit(P::kPlayerNumber)->text(), "0");
  ClickInto(P::kYearsPro);
  Tab();
  EXPECT_EQ(Bytes(FieldId::YearsPro), " 5");
  ClickInto(P::kPlayerNumber);
  Tab();
  EXPECT_EQ(Bytes(FieldId::PlayerNumber), " 0");
  EXPECT_TRUE(host.messages.warnings.isEmpty());
}

TEST_F(PlayerDataPageTest, AnEmptiedNumberWritesTheOldValueBack) {
  Open([](PlayerFileBuilder& b) { b.Raw(0, FieldId::DraftRound, "1"); });  // "1  "
  Type(P::kDraftRound, "");
  Tab();
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter an integer."});
  EXPECT_EQ(Bytes(FieldId::DraftRound), "  1");
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kDraftRound));
}

TEST_F(PlayerDataPageTest, HeightOutOfRangeWritesNothingAndInRangeShowsFeetAndInches) {
  Open();
  const std::string before = ReadAll(path);
  Type(P::kHeight, "50");
  Tab();
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter an integer between 60 and 91."});
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_EQ(Edit(P::kHeightText)->text(), "6' 3\"");
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kHeight));
  EXPECT_EQ(Edit(P::kHeight)->selectedText(), "50");

  Type(P::kHeight, "79");
  Tab();
  EXPECT_TRUE(host.messages.warnings.isEmpty());
  EXPECT_EQ(Bytes(FieldId::Height), "79");
  EXPECT_EQ(Edit(P::kHeightText)->text(), "6' 7\"");
}

TEST_F(PlayerDataPageTest, BlankBirthYearComplainsOnEveryCommitYetWritesTheLeftField) {
  Open([](PlayerFileBuilder& b) { b.Raw(0, FieldId::BirthYear, "    "); });
  EXPECT_EQ(Edit(P::kBirthYear)->text(), "0");
  // The first name holds the focus when the page opens.
  ASSERT_EQ(QApplication::focusWidget(), Edit(P::kFirstName));
  QTest::keyClicks(Edit(P::kFirstName), "ny");
  Tab();
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter an integer between 1900 and 9999."});
  EXPECT_EQ(Bytes(FieldId::FirstName), "Johnny" + std::string(19, ' '));
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kBirthYear));
  EXPECT_EQ(Edit(P::kBirthYear)->selectedText(), "0");

  // Leaving the year itself complains again and brings the focus back.
  host.messages.Clear();
  Tab();
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter an integer between 1900 and 9999."});
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kBirthYear));
  EXPECT_EQ(Bytes(FieldId::BirthYear), "    ");

  // A pick in a list takes the page too, and is written.
  host.messages.Clear();
  QTest::keyClick(page->List(P::kHand), Qt::Key_Down);
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter an integer between 1900 and 9999."});
  EXPECT_EQ(Bytes(FieldId::Hand), "1");
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kBirthYear));
}

TEST_F(PlayerDataPageTest, BirthDateIsStoredAsYearMonthDay) {
  Open();
  Type(P::kBirthMonth, "3");
  Tab();
  EXPECT_EQ(QApplication::focusWidget(), Edit(P::kBirthDay));
  QTest::keyClick(Edit(P::kBirthDay), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Edit(P::kBirthDay), "7");
  Tab();
  QTest::keyClick(Edit(P::kBirthYear), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(Edit(P::kBirthYear), "1975");
  Tab();
  EXPECT_EQ(SpanBytes(ReadAll(path), 0, korvale::Field(FieldId::BirthYear).position, 8),
            "19750307");
  EXPECT_TRUE(host.messages.warnings.isEmpty());
}

TEST_F(PlayerDataPageTest, CodesWithoutAnEntryShowNoEntry) {
  Open([](PlayerFileBuilder& b) {
    b.Raw(1, FieldId::Position, "7")
        .Raw(1, FieldId::Hand, "2")
        .Raw(1, FieldId::SecondPosition, " 9");
  });
  host.file.SetCurrentRecord(1);
  page->LoadRecord();
  EXPECT_EQ(page->List(P::kPosition)->currentIndex(), -1);  // not record 0's
  EXPECT_EQ(page->List(P::kSecondPosition)->currentIndex(), -1);
  EXPECT_EQ(page->List(P::kHand)->currentIndex(), -1);
  EXPECT_EQ(page->List(P::kHand)->currentText(), "");
}

TEST_F(PlayerDataPageTest, PositionAndHandPicksWriteOneDigit) {
  Open();
  Pick(P::kPosition, 4);
  EXPECT_EQ(Bytes(FieldId::Position), "4");
  Pick(P::kHand, 1);
  EXPECT_EQ(Bytes(FieldId::Hand), "1");
}

TEST_F(PlayerDataPageTest, SecondPositionNoneIsMinusOne) {
  Open([](PlayerFileBuilder& b) { b.Raw(0, FieldId::SecondPosition, "-1"); });
  page->LoadRecord();
  EXPECT_EQ(page->List(P::kSecondPosition)->currentText(), "None");
  Pick(P::kSecondPosition, 1);
  EXPECT_EQ(page->List(P::kSecondPosition)->currentText(), "Center");
  EXPECT_EQ(Bytes(FieldId::SecondPosition), " 0");
  Pick(P::kSecondPosition, 0);
  EXPECT_EQ(Bytes(FieldId::SecondPosition), "-1");
}

TEST_F(PlayerDataPageTest, OriginalTeamWritesTwoCharacters) {
  Open();
  Pick(P::kOriginalTeam, 28);
  EXPECT_EQ(page->List(P::kOriginalTeam)->currentText(), "Washington");
  EXPECT_EQ(Bytes(FieldId::OriginalTeam), "28");
  Pick(P::kOriginalTeam, 1);
  EXPECT_EQ(Bytes(FieldId::OriginalTeam), " 1");
}

TEST_F(PlayerDataPageTest, ProgramSelectionsNeverWrite) {
  Open([](PlayerFileBuilder& b) { b.Raw(1, FieldId::OriginalTeam, "3 "); });
  const std::string before = ReadAll(path);
  host.file.SetCurrentRecord(1);
  page->LoadRecord();
  page->FillPositionLists();
  EXPECT_EQ(ReadAll(path), before);
}

TEST_F(PlayerDataPageTest, DraftedByKeepsItsSpacesAndEmptiedWritesThree) {
  Open([](PlayerFileBuilder& b) { b.Raw(0, FieldId::DraftedBy, "B  "); });
  EXPECT_EQ(Edit(P::kDraftedBy)->text(), "B  ");
  ClickInto(P::kDraftedBy);
  Tab();
  EXPECT_EQ(Bytes(FieldId::DraftedBy), "B  ");
  Type(P::kDraftedBy, "");
  Tab();
  EXPECT_EQ(Bytes(FieldId::DraftedBy), "   ");
  QTest::keyClicks(Edit(P::kDraftedBy), "abcd");  // the limit holds when typing
  Type(P::kDraftedBy, "NYKX");
  EXPECT_EQ(Edit(P::kDraftedBy)->text(), "NYK");
}

TEST_F(PlayerDataPageTest, ATwentySixCharacterNickname) {
  const std::string nick = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  Open([&](PlayerFileBuilder& b) { b.Raw(0, FieldId::Nickname, nick); });
  EXPECT_EQ(Edit(P::kNickname)->text(), QString::fromStdString(nick));

  // Every take stops at the nickname: a later field keeps its old value.
  Type(P::kWeight, "300");
  Tab();
  EXPECT_EQ(host.messages.warnings, QStringList{"Please enter no more than 25 characters."});
  EXPECT_EQ(Bytes(FieldId::Weight), "215");
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kNickname));

  // Left unchanged, all 26 characters go back.
  Tab();
  EXPECT_EQ(Bytes(FieldId::Nickname), nick);
  QTRY_COMPARE(QApplication::focusWidget(), Edit(P::kNickname));

  // Typing cannot make it longer.
  Edit(P::kNickname)->end(false);
  QTest::keyClicks(Edit(P::kNickname), "!");
  EXPECT_EQ(Edit(P::kNickname)->text(), QString::fromStdString(nick));

  // Shortened, 25 bytes are written and the 26th stored byte stays.
  Edit(P::kNickname)->end(false);
  QTest::keyClick(Edit(P::kNickname), Qt::Key_Backspace);
  QTest::keyClick(Edit(P::kNickname), Qt::Key_Backspace);
  host.messages.Clear();
  Tab();
  EXPECT_TRUE(host.messages.warnings.isEmpty());
  EXPECT_EQ(Bytes(FieldId::Nickname), "ABCDEFGHIJKLMNOPQRSTUVWX Z");
}

TEST_F(PlayerDataPageTest, NameCommitsRebuildTheListsAndReselect) {
  Open();
  Type(P::kFirstName, "Jim");
  Tab();
  EXPECT_EQ(Bytes(FieldId::FirstName), "Jim" + std::string(22, ' '));
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"FillPlayerList", "SyncPlayerList", "FillRosterList"}));
  // The last name's field starts in front of the first name's: both intact.
  EXPECT_EQ(Bytes(FieldId::LastName), "Doe" + std::string(22, ' '));

  ClickInto(P::kLastName);
  Tab();  // unchanged, still a commit
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"FillPlayerList", "SyncPlayerList", "FillRosterList"}));
}

TEST_F(PlayerDataPageTest, TextsArePaddedAndTypingStaysWithinTheLimit) {
  Open();
  Type(P::kBirthTown, QString::fromUtf8("S\xC3\xA3o Paulo"));
  Tab();
  EXPECT_EQ(Bytes(FieldId::BirthTown), std::string("S\xE3o Paulo") + std::string(11, ' '));
  Type(P::kLastName, QString(30, 'x'));
  EXPECT_EQ(Edit(P::kLastName)->text(), QString(25, 'x'));
  Tab();
  EXPECT_EQ(Bytes(FieldId::LastName), std::string(25, 'x'));
  EXPECT_EQ(Bytes(FieldId::FirstName), "John" + std::string(21, ' '));
}

TEST_F(PlayerDataPageTest, NumbersKeepTheirStoredForms) {
  Open();
  const struct {
    int id;
    FieldId field;
    QString typed;
    std::string stored;
  } cases[] = {
      {P::kDraftYear, FieldId::DraftYear, "0", "   0"},
      {P::kDraftRound, FieldId::DraftRound, "-1", " -1"},
      {P::kDraftOverall, FieldId::DraftOverall, " 255 ", "255"},
      {P::kDraftPlace, FieldId::DraftPlace, "7", "  7"},
      {P::kPlayerNumber, FieldId::PlayerNumber, "-1", "-1"},
      {P::kYearsPro, FieldId::YearsPro, "12", "12"},
      {P::kWeight, FieldId::Weight, "133", "133"},
      {P::kBirthMonth, FieldId::BirthMonth, "9", "09"},
      {P::kBirthDay, FieldId::BirthDay, "31", "31"},
      {P::kBirthYear, FieldId::BirthYear, "9999", "9999"},
  };
  for (const auto& c : cases) {
    Type(c.id, c.typed);
    Tab();
    EXPECT_EQ(Bytes(c.field), c.stored) << c.typed.toStdString();
    EXPECT_TRUE(host.messages.warnings.isEmpty()) << c.typed.toStdString();
  }
}

TEST_F(PlayerDataPageTest, NoFileNoWriteNoMessage) {
  PlayerFileBuilder builder(1);
  ValidRecord(builder, 0);
  path = builder.WriteTo(dir / "Players.dbf");
  const std::string before = ReadAll(path);
  page->FillPositionLists();
  page->FillOriginalTeamList();
  page->FillHandList();
  ShowWindow();
  Type(P::kWeight, "x");
  Tab();
  Type(P::kFirstName, "Al");
  Tab();
  Pick(P::kOriginalTeam, 3);
  Pick(P::kSecondPosition, 2);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_TRUE(host.messages.warnings.isEmpty());
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(PlayerDataPageTest, ClearEmptiesTheListsAndZeroesTheValues) {
  Open();
  page->Clear();
  for (int id : {P::kPosition, P::kSecondPosition, P::kHand, P::kOriginalTeam, P::kSchool}) {
    EXPECT_EQ(page->List(id)->count(), 0) << id;
  }
  EXPECT_EQ(Edit(P::kFirstName)->text(), "");
  EXPECT_EQ(Edit(P::kDraftedBy)->text(), "");
  EXPECT_EQ(Edit(P::kHeightText)->text(), "");
  EXPECT_EQ(Edit(P::kWeight)->text(), "0");
  EXPECT_EQ(Edit(P::kBirthYear)->text(), "0");
  EXPECT_EQ(page->Data().Height, 0);
}

// Page side of a command that redisplays while an edit holds typed text
// (Forward from the tool bar): the display replaces the text and the next
// focus-out writes the new record's value into the new record.
TEST_F(PlayerDataPageTest, RedisplayReplacesTypedTextAndTheLaterLeaveWritesTheNewRecord) {
  Open([](PlayerFileBuilder& b) { b.Raw(1, FieldId::Weight, "240"); });
  Type(P::kWeight, "300");
  host.file.SetCurrentRecord(1);
  page->LoadRecord();
  EXPECT_EQ(Edit(P::kWeight)->text(), "240");
  EXPECT_EQ(QApplication::focusWidget(), Edit(P::kWeight));
  Tab();
  EXPECT_EQ(Bytes(FieldId::Weight, 1), "240");
  EXPECT_EQ(Bytes(FieldId::Weight, 0), "215");
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
