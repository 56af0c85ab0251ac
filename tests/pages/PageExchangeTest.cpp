#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "CommitField.h"
#include "CommitTriggers.h"
#include "FakePageHost.h"
#include "PageExchange.h"
#include "PlayerFileBuilder.h"

namespace {

using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;

// A small page: a name (5 characters), a number 1 to 10, a free integer and
// a check box, exchanged in that order.
class ExchangePage : public QWidget {
 public:
  explicit ExchangePage(MessageSink& messages) : exchange(this, messages) {
    auto* layout = new QVBoxLayout(this);
    for (QLineEdit** e : {&name, &number, &free}) layout->addWidget(*e = new QLineEdit(this));
    layout->addWidget(check = new QCheckBox("Flag", this));
    exchange.SetEntries({ExchangeEntry::Text(name, &nameValue, 5),
                         ExchangeEntry::Ranged(number, &numberValue, 1, 10),
                         ExchangeEntry::Integer(free, &freeValue),
                         ExchangeEntry::Check(check, &checkValue)});
  }

  QLineEdit* name;
  QLineEdit* number;
  QLineEdit* free;
  QCheckBox* check;
  QString nameValue = "Abe";
  std::int32_t numberValue = 4;
  std::int32_t freeValue = -7;
  std::int32_t checkValue = 1;
  PageExchange exchange;
};

class PageExchangeTest : public ::testing::Test {
 protected:
  PageExchangeTest() : page(host.messages) {
    page.exchange.Show();
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  FakePageHost host;
  ExchangePage page;
};

TEST_F(PageExchangeTest, ShowPutsEveryValueIntoItsControl) {
  EXPECT_EQ(page.name->text(), "Abe");
  EXPECT_EQ(page.number->text(), "4");
  EXPECT_EQ(page.free->text(), "-7");
  EXPECT_TRUE(page.check->isChecked());
}

TEST_F(PageExchangeTest, TakeStopsAtTheFirstFailureWithItsMessage) {
  const struct {
    QString name, number, free;
    QString message;  // empty: the take succeeds
    QString nameValue;
    std::int32_t numberValue, freeValue;
  } cases[] = {
      {"Bo", " 7 ", "12", "", "Bo", 7, 12},
      {"Bo", "", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "abc", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "-0", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "11", "12", "Please enter an integer between 1 and 10.", "Bo", 11, -7},
      {"Bo", "99999999999", "1", "Please enter an integer between 1 and 10.", "Bo", 2147483647, -7},
      {"Bobbyx", "5", "12", "Please enter no more than 5 characters.", "Bobbyx", 4, -7},
      {"Bo", "5", "1.5", "Please enter an integer.", "Bo", 5, -7},
  };
  for (const auto& c : cases) {
    page.nameValue = "Abe";
    page.numberValue = 4;
    page.freeValue = -7;
    host.messages.Clear();
    page.name->setText(c.name);
    page.number->setText(c.number);
    page.free->setText(c.free);
    EXPECT_EQ(page.exchange.Take(), c.message.isEmpty()) << c.message.toStdString();
    EXPECT_EQ(host.messages.warnings, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    EXPECT_EQ(page.nameValue, c.nameValue);
    EXPECT_EQ(page.numberValue, c.numberValue);
    EXPECT_EQ(page.freeValue, c.freeValue);
    QTRY_VERIFY(!page.exchange.Busy());
  }
}

TEST_F(PageExchangeTest, FailureReturnsTheFocusWithTheTextSelected) {
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setText("abc");
  EXPECT_FALSE(page.exchange.Take());
  EXPECT_TRUE(page.exchange.Busy());
  QTRY_COMPARE(QApplication::focusWidget(), page.number);
  EXPECT_EQ(page.number->selectedText(), "abc");
  EXPECT_FALSE(page.exchange.Busy());
}

TEST_F(PageExchangeTest, ShownTextIsNotCutButTypingStaysWithinTheLimit) {
  page.nameValue = "Abcdefg";
  page.exchange.Show();
  EXPECT_EQ(page.name->text(), "Abcdefg");
  page.nameValue = "Ab";
  page.exchange.Show();
  page.name->setFocus();
  page.name->end(false);
  QTest::keyClicks(page.name, "cdefgh");
  EXPECT_EQ(page.name->text(), "Abcde");
  QTest::sendKeyEvent(QTest::Click, page.name, Qt::Key_unknown, QString(QChar(0x4E2D)),
                      Qt::NoModifier);  // no byte for it in the file
  EXPECT_EQ(page.name->text(), "Abcde");
  page.name->backspace();
  QTest::sendKeyEvent(QTest::Click, page.name, Qt::Key_unknown, QString(QChar(0xE9)),
                      Qt::NoModifier);
  EXPECT_EQ(page.name->text(), QString::fromUtf8("Abcd\xC3\xA9"));
}

TEST_F(PageExchangeTest, AShownTextOverTheLimitMayShrinkButNotGrowOrChange) {
  page.nameValue = "Abcdef";  // one over the limit, as a 26-byte nickname
  page.exchange.Show();
  page.name->setFocus();
  page.name->end(false);
  QTest::keyClicks(page.name, "g");
  EXPECT_EQ(page.name->text(), "Abcdef");
  page.name->home(false);
  page.name->cursorForward(true, 1);  // "A" selected: replacing it keeps 6
  QTest::keyClicks(page.name, "Z");
  EXPECT_EQ(page.name->text(), "Abcdef");
  page.name->end(false);
  page.name->backspace();
  EXPECT_EQ(page.name->text(), "Abcde");
  QTest::keyClicks(page.name, "x");
  EXPECT_EQ(page.name->text(), "Abcde");
}

TEST_F(PageExchangeTest, LeavingCommitsOnlyForRealMovesAndNotDuringATake) {
  int commits = 0;
  OnLeave(page.free, page.exchange, [&] { ++commits; });
  page.free->setFocus(Qt::TabFocusReason);
  page.number->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(commits, 1);
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setFocus(Qt::PopupFocusReason);
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setFocus(Qt::MenuBarFocusReason);
  EXPECT_EQ(commits, 1);
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setText("x");
  EXPECT_FALSE(page.exchange.Take());  // busy until the focus is back in `number`
  page.name->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(commits, 1);
  QTRY_VERIFY(!page.exchange.Busy());
}

TEST_F(PageExchangeTest, CommitFieldTakesThenWritesInRangeValuesOnly) {
  TempDir dir;
  const auto path = PlayerFileBuilder(1).WriteTo(dir / "Players.dbf");
  const FieldWrite write{korvale::Field(FieldId::YearsPro).position,
                         [&] { return RangedValue(FieldId::YearsPro, page.numberValue, 1, 10); },
                         [&] { host.calls << "followUp"; }};
  CommitField(host, page.exchange, write);  // no file: nothing at all
  EXPECT_TRUE(host.calls.isEmpty());

  host.file.OpenPlayerFile(path.string());
  page.number->setText("7");
  CommitField(host, page.exchange, write);
  EXPECT_EQ(korvale::testing::FieldBytes(ReadAll(path), 0, FieldId::YearsPro), " 7");
  EXPECT_EQ(host.calls, QStringList{"followUp"});

  page.number->setText("12");
  CommitField(host, page.exchange, write);
  EXPECT_EQ(korvale::testing::FieldBytes(ReadAll(path), 0, FieldId::YearsPro), " 7");
  EXPECT_EQ(host.calls.size(), 1);
  QTRY_VERIFY(!page.exchange.Busy());

  page.number->setText("oops");  // not an integer: the old value is written back
  page.numberValue = 3;
  CommitField(host, page.exchange, write);
  EXPECT_EQ(korvale::testing::FieldBytes(ReadAll(path), 0, FieldId::YearsPro), " 3");
  QTRY_VERIFY(!page.exchange.Busy());
}

TEST(CommitHelpers, PaddedTextAndRangedValue) {
  EXPECT_EQ(PaddedText("Ab", 5), "Ab   ");
  EXPECT_EQ(PaddedText("", 3), "   ");
  EXPECT_EQ(PaddedText("Abcdef", 5), std::nullopt);
  // Names may be longer than they are written (a 26-character nickname),
  // never longer than they are read.
  EXPECT_EQ(PaddedText("Abcdef", 5, 6), "Abcdef");
  EXPECT_EQ(PaddedText("Abcdefg", 5, 6), std::nullopt);
  EXPECT_EQ(PaddedText(QString(26, 'N'), 25, 26), std::string(26, 'N'));
  EXPECT_EQ(PaddedText(QString(26, 'N'), 25, 25), std::nullopt);
  EXPECT_EQ(PaddedText(QString::fromUtf8("Jos\xC3\xA9"), 5), std::string("Jos\xE9 "));
  EXPECT_EQ(RangedValue(FieldId::BirthMonth, 3, 1, 12), "03");
  EXPECT_EQ(RangedValue(FieldId::BirthMonth, 13, 1, 12), std::nullopt);
}

}  // namespace
