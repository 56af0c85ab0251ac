#include <gtest/gtest.h>

#include "CommitField.h"
#include "FakeControls.h"
#include "FormPage.h"
#include "PageExchange.h"
#include "PlayerFileBuilder.h"

namespace {

using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::TempDir;

// A small page: a name (5 characters), a number 1 to 10, a free integer and
// a check box, exchanged in that order.
enum : int { kName = 1, kNumber, kFree, kCheck };

class PageExchangeTest : public ::testing::Test {
 protected:
  PageExchangeTest() : exchange(controls, host.messages) {
    exchange.SetEntries({ExchangeEntry::Text(kName, &nameValue, 5),
                         ExchangeEntry::Ranged(kNumber, &numberValue, 1, 10),
                         ExchangeEntry::Integer(kFree, &freeValue),
                         ExchangeEntry::Check(kCheck, &checkValue)});
    exchange.Show();
  }

  FakeHost host;
  FakeControls controls;
  std::string nameValue = "Abe";
  std::int32_t numberValue = 4;
  std::int32_t freeValue = -7;
  std::int32_t checkValue = 1;
  PageExchange exchange;
};

TEST_F(PageExchangeTest, ShowPutsEveryValueIntoItsControl) {
  EXPECT_EQ(controls.texts,
            (std::map<int, std::string>{{kName, "Abe"}, {kNumber, "4"}, {kFree, "-7"}}));
  EXPECT_EQ(controls.limits[kName], 5);
  EXPECT_TRUE(controls.checks[kCheck]);
}

TEST_F(PageExchangeTest, TakeStopsAtTheFirstFailureWithItsMessage) {
  const struct {
    std::string name, number, free;
    std::string message;  // empty: the take succeeds
    std::string nameValue;
    std::int32_t numberValue, freeValue;
  } cases[] = {
      {"Bo", " 7 ", "12", "", "Bo", 7, 12},
      {"Bo", "", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "abc", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "-0", "12", "Please enter an integer.", "Bo", 4, -7},
      {"Bo", "11", "12", "Please enter an integer between 1 and 10.", "Bo", 11, -7},
      {"Bo", "99999999999", "1", "Please enter an integer between 1 and 10.", "Bo", 2147483647, -7},
      {"Bobbyx", "5", "12", "Please enter no more than 5 characters.", "Bobbyx", 4, -7},
      {"B\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "5", "12", "", "B\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5,
       12},
      {"Bo", "5", "1.5", "Please enter an integer.", "Bo", 5, -7},
  };
  for (const auto& c : cases) {
    nameValue = "Abe";
    numberValue = 4;
    freeValue = -7;
    host.messages.warnings.clear();
    controls.focus = 0;
    controls.texts = {{kName, c.name}, {kNumber, c.number}, {kFree, c.free}};
    EXPECT_EQ(exchange.Take(), c.message.empty()) << c.message;
    EXPECT_EQ(host.messages.warnings,
              c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    EXPECT_EQ(controls.focus, c.message.empty() ? 0 : exchange.FailedAt());
    EXPECT_EQ(nameValue, c.nameValue);
    EXPECT_EQ(numberValue, c.numberValue);
    EXPECT_EQ(freeValue, c.freeValue);
    EXPECT_FALSE(exchange.Busy());
  }
}

TEST_F(PageExchangeTest, CommitFieldTakesThenWritesInRangeValuesOnly) {
  TempDir dir;
  const auto path = PlayerFileBuilder(1).WriteTo(dir / "Players.dbf");
  const FieldWrite write{korvale::Field(FieldId::YearsPro).position,
                         [&] { return RangedValue(FieldId::YearsPro, numberValue, 1, 10); },
                         [&] { host.calls.push_back("followUp"); }};
  CommitField(host, exchange, write);  // no file: nothing at all
  EXPECT_TRUE(host.calls.empty());

  host.file.OpenPlayerFile(path.string());  // held alone: read back through it
  controls.texts[kNumber] = "7";
  CommitField(host, exchange, write);
  EXPECT_EQ(host.file.ReadField(0, FieldId::YearsPro), " 7");
  EXPECT_EQ(host.calls, std::vector<std::string>{"followUp"});

  controls.texts[kNumber] = "12";
  CommitField(host, exchange, write);
  EXPECT_EQ(host.file.ReadField(0, FieldId::YearsPro), " 7");
  EXPECT_EQ(host.calls.size(), 1U);

  controls.texts[kNumber] = "oops";  // not an integer: the old value is written back
  numberValue = 3;
  CommitField(host, exchange, write);
  EXPECT_EQ(host.file.ReadField(0, FieldId::YearsPro), " 3");
}

// The small page's rules: the name commits on Leave, the box on Click.
class EventPage final : public FormPage {
 public:
  explicit EventPage(PageExchange& exchange) : exchange_(exchange) {}
  void LoadRecord() override {}
  void Clear() override {}
  std::vector<PageCommit> Commits() override {
    return {{kName, PageEvent::Leave, [this] { runs.push_back(kName); }},
            {kCheck, PageEvent::Click, [this] { runs.push_back(kCheck); }}};
  }
  PageExchange& Exchange() override { return exchange_; }
  const PageExchange& Exchange() const override { return exchange_; }

  std::vector<int> runs;

 private:
  PageExchange& exchange_;
};

TEST_F(PageExchangeTest, EventsRunTheirControlsCommitButNoneWhileATakeRuns) {
  const struct {
    PageEvent event;
    int control;
    bool busy;
    std::vector<int> runs;
    std::string name;  // the name's text afterwards, typed "Bob"
  } cases[] = {
      {PageEvent::Leave, kName, false, {kName}, "Bob"},
      {PageEvent::Click, kCheck, false, {kCheck}, "Bob"},
      {PageEvent::Leave, kName, true, {}, "Bob"},
      {PageEvent::Click, kCheck, true, {}, "Bob"},
      {PageEvent::Click, kName, false, {}, "Bob"},  // not the name's event
      {PageEvent::Leave, kFree, false, {}, "Bob"},  // a control without a commit
      {PageEvent::Escape, kName, false, {}, "Abe"},
      {PageEvent::Escape, kName, true, {}, "Abe"},
  };
  for (const auto& c : cases) {
    EventPage page(exchange);
    controls.deferFocus = c.busy;
    controls.texts[kNumber] = c.busy ? "x" : "4";
    if (c.busy) {
      EXPECT_FALSE(exchange.Take());  // busy until the focus is back
    }
    controls.texts[kName] = "Bob";
    page.Handle(c.event, c.control);
    EXPECT_EQ(page.runs, c.runs) << c.control << " busy " << c.busy;
    EXPECT_EQ(controls.texts[kName], c.name) << c.control << " busy " << c.busy;
    if (controls.pending) std::exchange(controls.pending, nullptr)();
    EXPECT_FALSE(exchange.Busy());
  }
}

TEST(CommitHelpers, PaddedTextAndRangedValue) {
  EXPECT_EQ(PaddedText("Ab", 5), "Ab   ");
  EXPECT_EQ(PaddedText("", 3), "   ");
  EXPECT_EQ(PaddedText("Abcdef", 5), std::nullopt);
  // Names may be longer than they are written (a 26-character nickname),
  // never longer than they are read.
  EXPECT_EQ(PaddedText("Abcdef", 5, 6), "Abcdef");
  EXPECT_EQ(PaddedText("Abcdefg", 5, 6), std::nullopt);
  EXPECT_EQ(PaddedText(std::string(26, 'N'), 25, 26), std::string(26, 'N'));
  EXPECT_EQ(PaddedText(std::string(26, 'N'), 25, 25), std::nullopt);
  EXPECT_EQ(PaddedText("Jos\xC3\xA9", 5), std::string("Jos\xE9 "));
  EXPECT_EQ(RangedValue(FieldId::BirthMonth, 3, 1, 12), "03");
  EXPECT_EQ(RangedValue(FieldId::BirthMonth, 13, 1, 12), std::nullopt);
}

}  // namespace
