#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ChildDialog.h"
#include "ControlIds.h"
#include "DialogTemplates.h"
#include "Win32PageControls.h"
#include "Win32PageEvents.h"
#include "WinHarness.h"

namespace korvale::win {
namespace {

using testing::PressKey;
using testing::Pump;

constexpr int kList = res::playerdata2::kSkinColor;

// One input on a drop-down list, as the user gives it.
enum class Step {
  Down,
  Up,
  Home,
  End,
  F4,
  AltDown,
  Enter,
  Escape,
  WheelDown,
  Hover1,
  Hover3,
  Click2,
  Click0
};

struct Case {
  const char* name;
  int selected;  // before
  std::vector<Step> steps;
  int picks;
  int selectedAfter;
};

const Case kCases[] = {
    {"MouseOnAnotherEntry", 0, {Step::F4, Step::Click2}, 1, 2},
    {"MouseOnTheSelectedEntry", 0, {Step::F4, Step::Click0}, 1, 0},
    {"DownOnClosedList", 0, {Step::Down}, 1, 1},
    {"UpOnClosedList", 2, {Step::Up}, 1, 1},
    {"HomeOnClosedList", 2, {Step::Home}, 1, 0},
    {"EndOnClosedList", 0, {Step::End}, 1, 3},
    {"TwoKeysTwoPicks", 0, {Step::Down, Step::Down}, 2, 2},
    {"F4ArrowsEnter", 0, {Step::F4, Step::Down, Step::Down, Step::Enter}, 1, 2},
    {"AltDownArrowEnter", 0, {Step::AltDown, Step::Down, Step::Enter}, 1, 1},
    {"F4ArrowsEscape", 0, {Step::F4, Step::Down, Step::Down, Step::Escape}, 0, 0},
    {"HoverThenEscape", 0, {Step::F4, Step::Hover1, Step::Hover3, Step::Escape}, 0, 0},
    {"HoverThenClick", 0, {Step::F4, Step::Hover1, Step::Hover3, Step::Click2}, 1, 2},
    {"WheelOnClosedList", 0, {Step::WheelDown}, 1, 1},
};

class ComboPickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testing::SharedFrame().Activate());
    controls.SetEntries(kList, {"Light", "Medium", "Dark", "Darker"});
    ConnectPicks(dialog, kList, [this] { ++picks; });
    ShowWindow(dialog.Window(), SW_SHOW);
    SetFocus(Combo());
    Run();
    ASSERT_EQ(GetFocus(), Combo());
  }

  [[nodiscard]] HWND Combo() const { return dialog.Control(kList); }
  [[nodiscard]] HWND DroppedList() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(Combo(), &info);
    return info.hwndList;
  }
  void Run() {
    Pump([this](MSG& msg) { return IsDialogMessageW(dialog.Window(), &msg) != FALSE; });
  }

  void MouseOnEntry(UINT message, int entry) {
    RECT item{};
    SendMessageW(DroppedList(), LB_GETITEMRECT, static_cast<WPARAM>(entry),
                 reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(DroppedList(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, at);
  }

  void Do(Step step) {
    switch (step) {
      case Step::Down: PressKey(VK_DOWN); break;
      case Step::Up: PressKey(VK_UP); break;
      case Step::Home: PressKey(VK_HOME); break;
      case Step::End: PressKey(VK_END); break;
      case Step::F4: PressKey(VK_F4); break;
      case Step::AltDown: PressKey(VK_DOWN, true); break;
      case Step::Enter: PressKey(VK_RETURN); break;
      case Step::Escape: PressKey(VK_ESCAPE); break;
      case Step::WheelDown:
        PostMessageW(Combo(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        break;
      case Step::Hover1: MouseOnEntry(WM_MOUSEMOVE, 1); break;
      case Step::Hover3: MouseOnEntry(WM_MOUSEMOVE, 3); break;
      case Step::Click2:
        MouseOnEntry(WM_MOUSEMOVE, 2);
        MouseOnEntry(WM_LBUTTONDOWN, 2);
        MouseOnEntry(WM_LBUTTONUP, 2);
        break;
      case Step::Click0:
        MouseOnEntry(WM_MOUSEMOVE, 0);
        MouseOnEntry(WM_LBUTTONDOWN, 0);
        MouseOnEntry(WM_LBUTTONUP, 0);
        break;
    }
    Run();
  }

  ChildDialog dialog{testing::SharedFrame().Window(), res::PlayerData2PageTemplate(),
                     WS_CHILD | DS_CONTROL};
  Win32PageControls controls{dialog};
  int picks = 0;
};

// However the user chooses, one pick per choice; what is only highlighted
// in the open list is no pick, and a list closed without a choice shows
// its entry again.
TEST_F(ComboPickTest, OnePickPerChoice) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    picks = 0;
    controls.Select(kList, c.selected);
    for (Step step : c.steps) Do(step);
    EXPECT_EQ(picks, c.picks);
    EXPECT_EQ(controls.Selection(kList), c.selectedAfter);
    EXPECT_EQ(SendMessageW(Combo(), CB_GETDROPPEDSTATE, 0, 0), 0);
  }
}

}  // namespace
}  // namespace korvale::win
