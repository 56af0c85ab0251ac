#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "FakePageHost.h"
#include "MessageLog.h"
#include "PageExchange.h"
#include "QtPageControls.h"
#include "QtPageEvents.h"

namespace {

// A small page: a name (5 characters), a number 1 to 10, a free integer and
// a check box, exchanged in that order.
enum : int { kName = 1, kNumber, kFree, kCheck };

class ExchangePage : public QWidget {
 public:
  explicit ExchangePage(MessageSink& messages)
      : controls(this, Build()), exchange(controls, messages) {
    exchange.SetEntries({ExchangeEntry::Text(kName, &nameValue, 5),
                         ExchangeEntry::Ranged(kNumber, &numberValue, 1, 10),
                         ExchangeEntry::Integer(kFree, &freeValue),
                         ExchangeEntry::Check(kCheck, &checkValue)});
  }

  korvale::res::ControlMap Build() {
    auto* layout = new QVBoxLayout(this);
    korvale::res::ControlMap map;
    for (auto [id, e] : {std::pair{kName, &name}, {kNumber, &number}, {kFree, &free}}) {
      layout->addWidget(*e = new QLineEdit(this));
      map.Add(id, *e);
    }
    layout->addWidget(check = new QCheckBox("Flag", this));
    map.Add(kCheck, check);
    return map;
  }

  QLineEdit* name;
  QLineEdit* number;
  QLineEdit* free;
  QCheckBox* check;
  std::string nameValue = "Abe";
  std::int32_t numberValue = 4;
  std::int32_t freeValue = -7;
  std::int32_t checkValue = 1;
  QtPageControls controls;
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

  FakePageHost<MessageLog> host;
  ExchangePage page;
};

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
  page.nameValue = "Abcdefg";  // two over the limit
  page.exchange.Show();
  page.name->setFocus();
  page.name->end(false);
  QTest::keyClicks(page.name, "h");
  EXPECT_EQ(page.name->text(), "Abcdefg");
  page.name->home(false);
  page.name->cursorForward(true, 1);  // "A" selected: replacing it keeps 7
  QTest::keyClicks(page.name, "Z");
  EXPECT_EQ(page.name->text(), "Abcdefg");
  page.name->end(false);
  QTest::keyClick(page.name, Qt::Key_Backspace);
  EXPECT_EQ(page.name->text(), "Abcdef");  // still over, yet shorter
  QTest::keyClicks(page.name, "x");
  EXPECT_EQ(page.name->text(), "Abcdef");
  QTest::keyClick(page.name, Qt::Key_Backspace);
  QTest::keyClicks(page.name, "x");
  EXPECT_EQ(page.name->text(), "Abcde");
}

TEST_F(PageExchangeTest, LeavingCountsOnlyForRealMovesAndEscapeStaysInTheEdit) {
  int commits = 0;
  int escapes = 0;
  ForwardEditEvents(page.free, kFree, [&](PageEvent event, int control) {
    EXPECT_EQ(control, kFree);
    ++(event == PageEvent::Leave ? commits : escapes);
  });
  page.free->setFocus(Qt::TabFocusReason);
  page.number->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(commits, 1);
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setFocus(Qt::PopupFocusReason);
  page.free->setFocus(Qt::OtherFocusReason);
  page.number->setFocus(Qt::MenuBarFocusReason);
  EXPECT_EQ(commits, 1);
  page.free->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(page.free, Qt::Key_Escape);
  EXPECT_EQ(escapes, 1);
  EXPECT_EQ(QApplication::focusWidget(), page.free);
  EXPECT_EQ(commits, 1);
}

}  // namespace
