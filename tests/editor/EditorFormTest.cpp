#include <gtest/gtest.h>

#include <array>

#include "ControlIds.h"
#include "DialogTemplates.h"
#include "EditorForm.h"
#include "FakeControls.h"
#include "PlayerDataPage.h"
#include "ResourceIds.h"

namespace {

namespace ids2 = korvale::res::playerdata2;
namespace res = korvale::res;

class EditorFormTest : public ::testing::Test {
 protected:
  FakeFormControls form;
  std::array<FakeControls, 4> pages;
  MessageLog messages;
  EditorForm editor{
      korvale::SystemFileSystem(), messages, form, {&pages[0], &pages[1], &pages[2], &pages[3]}};
};

TEST_F(EditorFormTest, EachPageTakesOnlyItsOwnControlsEvents) {
  const int kWeight = PlayerDataPage::kWeight;
  const struct {
    int page, control;
    PageEvent event;
    std::string weight, portrait;  // the texts afterwards, both typed "9"
  } cases[] = {
      {0, kWeight, PageEvent::Escape, "0", "9"}, {1, ids2::kPortrait, PageEvent::Escape, "9", ""},
      {1, kWeight, PageEvent::Escape, "9", "9"},  // not page 1's control
      {0, kWeight, PageEvent::Leave, "9", "9"},   // no file: nothing written or put back
      {4, kWeight, PageEvent::Escape, "9", "9"}, {-1, kWeight, PageEvent::Escape, "9", "9"},
  };
  EXPECT_EQ(pages[0].texts[kWeight], "0");  // the pages show their values from the start
  for (const auto& c : cases) {
    pages[0].texts[kWeight] = "9";
    pages[1].texts[ids2::kPortrait] = "9";
    editor.Handle(c.page, c.control, c.event);
    EXPECT_EQ(pages[0].texts[kWeight], c.weight) << c.page << " " << c.control;
    EXPECT_EQ(pages[1].texts[ids2::kPortrait], c.portrait) << c.page << " " << c.control;
  }
  EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(EditorFormTest, SelectOfAPathThatDoesNotOpenLeavesNoFileSelected) {
  editor.Select("/nonexistent/Players.dbf");
  EXPECT_EQ(messages.stops.size(), 1U);
  EXPECT_FALSE(editor.File().IsSelected());
  EXPECT_TRUE(editor.IsCommandEnabled(res::kIdSelect));
  EXPECT_TRUE(form.lists[res::kIdPlayerList].empty());
}

}  // namespace
