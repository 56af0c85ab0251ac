#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CKorvaleView.h"
#include "CMainFrame.h"
#include "DialogTemplateW.h"
#include "EditorForm.h"
#include "FileSystem.h"
#include "MenuTemplate.h"
#include "MessageSink.h"
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "PlayerFileChooser.h"
#include "ResourceIds.h"
#include "ScopedVariable.h"
#include "ScreenMessages.h"
#include "Utf8Path.h"
#include "WinHarness.h"

namespace res = korvale::res;

namespace {

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

// Every item of the menu bar as the resource table gives it.
void ExpectMenu(HMENU menu, std::span<const res::MenuItem> items) {
  ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size()));
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const res::MenuItem& item = items[static_cast<size_t>(i)];
    if (item.kind == res::MenuItemKind::Separator) {
      EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR,
                static_cast<UINT>(MF_SEPARATOR));
      continue;
    }
    EXPECT_EQ(MenuText(menu, i), korvale::win::Widen(item.text));
    if (item.kind == res::MenuItemKind::Popup) {
      ExpectMenu(GetSubMenu(menu, i), item.items);
    } else {
      EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(item.id));
    }
  }
}

class MainFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame_.Create(GetModuleHandleW(nullptr)));
    ShowWindow(frame_.Window(), SW_SHOWNORMAL);
    file_ = korvale::testing::PlayerFileBuilder(3).WriteTo(dir_ / "Players.dbf");
    frame_.View().SetFileChooser(
        [this](HWND) { return std::optional(korvale::Utf8FromPath(file_)); });
  }
  void Command(int id) { SendMessageW(frame_.Window(), WM_COMMAND, id, 0); }
  bool MenuEnabled(int id) {
    return (GetMenuState(frame_.Menu(), static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
  }
  bool ButtonEnabled(int id) {
    return SendMessageW(frame_.ToolBar().Window(), TB_ISBUTTONENABLED, id, 0) != 0;
  }
  // After an idle update, menu and tool bar both show the form's rules.
  void ExpectCommandStates() {
    frame_.IdleUpdate();
    for (int id : {res::kIdSelect, res::kIdClose, res::kIdBack, res::kIdForward}) {
      const bool enabled = frame_.View().Editor().IsCommandEnabled(id);
      EXPECT_EQ(MenuEnabled(id), enabled) << id;
      if (id != res::kIdClose) {
        EXPECT_EQ(ButtonEnabled(id), enabled) << id;
      }
    }
  }

  korvale::testing::TempDir dir_;
  std::filesystem::path file_;
  MessageLog messages_;
  CMainFrame frame_{korvale::SystemFileSystem(), messages_};
};

TEST_F(MainFrameTest, OpensCentredWithTitleAndTheMenuOfTheTable) {
  RECT window{}, work{};
  GetWindowRect(frame_.Window(), &window);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(window.right - window.left, 505);
  EXPECT_EQ(window.bottom - window.top, 455);
  EXPECT_EQ(window.left, work.left + (work.right - work.left - 505) / 2);
  EXPECT_EQ(window.top, work.top + (work.bottom - work.top - 455) / 2);
  wchar_t title[64] = {};
  GetWindowTextW(frame_.Window(), title, 64);
  EXPECT_STREQ(title, L"Korvale");
  ExpectMenu(frame_.Menu(), res::MainMenu());
  EXPECT_EQ(frame_.PaneText(0), L"Ready");
}

TEST_F(MainFrameTest, CommandsKeepTheirEnableRulesWithTheToolBarHidden) {
  ExpectCommandStates();
  Command(res::kIdViewToolBar);
  frame_.IdleUpdate();
  EXPECT_FALSE(IsWindowVisible(frame_.ToolBar().Window()));
  EXPECT_EQ(GetMenuState(frame_.Menu(), res::kIdViewToolBar, MF_BYCOMMAND) & MF_CHECKED, 0u);
  RECT view{};
  GetWindowRect(frame_.View().Window(), &view);
  POINT top{view.left, view.top};
  ScreenToClient(frame_.Window(), &top);
  EXPECT_EQ(top.y, 0) << "the form moves up into the tool bar's place";

  Command(res::kIdSelect);
  ExpectCommandStates();
  EXPECT_TRUE(MenuEnabled(res::kIdClose));
  Command(res::kIdViewToolBar);
  ExpectCommandStates();
  EXPECT_FALSE(ButtonEnabled(res::kIdSelect));
  EXPECT_NE(GetMenuState(frame_.Menu(), res::kIdViewToolBar, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

TEST_F(MainFrameTest, StatusBarShowsPromptsWhileAMenuItemIsHighlighted) {
  HMENU file = GetSubMenu(frame_.Menu(), 0);
  const struct {
    UINT item, flags;
    HMENU menu;
    const wchar_t* pane;
  } cases[] = {
      {res::kIdForward, MF_STRING, file, L"Moves to the next record"},
      {res::kIdBack, MF_STRING, file, L"Moves to  the previous record"},
      {res::kIdClose, MF_STRING, file, L""},  // a command without a prompt
      {0, MF_POPUP, file, L""},
      {0xFFFF, 0xFFFF, nullptr, L"Ready"},  // the menu closed
  };
  for (const auto& c : cases) {
    SendMessageW(frame_.Window(), WM_MENUSELECT, MAKEWPARAM(c.item, c.flags),
                 reinterpret_cast<LPARAM>(c.menu));
    EXPECT_EQ(frame_.PaneText(0), c.pane) << c.item;
  }

  // The lock panes show the keyboard's state at idle time.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CAPITAL] = 1;
  keys[VK_NUMLOCK] = 0;
  keys[VK_SCROLL] = 1;
  SetKeyboardState(keys);
  frame_.IdleUpdate();
  EXPECT_EQ(frame_.PaneText(1), L"CAP");
  EXPECT_EQ(frame_.PaneText(2), L"");
  EXPECT_EQ(frame_.PaneText(3), L"SCRL");
  keys[VK_CAPITAL] = keys[VK_SCROLL] = 0;
  SetKeyboardState(keys);
  frame_.IdleUpdate();
  EXPECT_EQ(frame_.PaneText(1), L"");

  // The pointer resting on a tool-bar button shows its prompt until it
  // leaves the bar.
  RECT select{};
  SendMessageW(frame_.ToolBar().Window(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&select));
  SendMessageW(frame_.ToolBar().Window(), WM_MOUSEMOVE, 0,
               MAKELPARAM((select.left + select.right) / 2, (select.top + select.bottom) / 2));
  EXPECT_EQ(frame_.PaneText(0), L"Select the Player Data File");
  SendMessageW(frame_.ToolBar().Window(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(frame_.PaneText(0), L"Ready");

  // The tip the bar's tool tip asks the frame for.
  HWND tips = reinterpret_cast<HWND>(SendMessageW(frame_.ToolBar().Window(), TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tips, nullptr);
  wchar_t tip[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = frame_.ToolBar().Window();
  tool.uId = res::kIdBack;
  tool.lpszText = tip;
  SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(tip, L"Previous Record");
}

TEST_F(MainFrameTest, ExitClosesTheWindowAndLetsGoOfThePlayerFile) {
  Command(res::kIdSelect);
  ASSERT_TRUE(frame_.View().Editor().IsCommandEnabled(res::kIdClose))
      << "a player file is selected";
  const HWND window = frame_.Window();
  Command(res::kIdExit);
  korvale::testing::Pump([](MSG&) { return false; }, [window] { return !IsWindow(window); });
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(messages_.stops.empty());
  EXPECT_TRUE(messages_.warnings.empty());
  HANDLE file = CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(file, INVALID_HANDLE_VALUE) << "nobody holds the file any more";
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// Reads the open dialog once it is up, then types a name without an
// extension into it and opens that.
struct OpenDialogWatch {
  static inline HHOOK hook = nullptr;
  static inline HWND dialog = nullptr;
  static inline std::vector<std::wstring> filters;
  static inline std::wstring offered;

  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[16] = {};
    auto* window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && dialog == nullptr && GetClassNameW(window, name, 16) > 0 &&
        std::wstring(name) == L"#32770") {
      dialog = window;
      SetTimer(nullptr, 0, 0, Answer);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
  static HWND NameBox() {
    HWND box = GetDlgItem(dialog, cmb13);
    return box != nullptr ? box : GetDlgItem(dialog, edt1);
  }
  static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND types = GetDlgItem(dialog, cmb1);
    const auto count = SendMessageW(types, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
      wchar_t text[128] = {};
      SendMessageW(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      filters.emplace_back(text);
    }
    wchar_t text[128] = {};
    GetWindowTextW(NameBox(), text, 128);
    offered = text;
    SetWindowTextW(NameBox(), L"Teams");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
};

// One filter, called by its description alone; the roster's name offered;
// a typed name without an extension comes back as typed: "*.dbf", the
// default extension, adds nothing.
TEST_F(MainFrameTest, TheFileDialogOffersOneFilterAndTheRostersName) {
  OpenDialogWatch::hook =
      SetWindowsHookExW(WH_CBT, OpenDialogWatch::Proc, nullptr, GetCurrentThreadId());
  MessageLog messages;
  const std::optional<std::string> chosen =
      korvale::win::ChoosePlayerFile(frame_.Window(), messages);
  UnhookWindowsHookEx(OpenDialogWatch::hook);
  ASSERT_NE(OpenDialogWatch::dialog, nullptr);
  EXPECT_EQ(OpenDialogWatch::filters,
            std::vector<std::wstring>{L"Courtline '98 Player Data Files"});
  EXPECT_EQ(OpenDialogWatch::offered, L"Players.dbf");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(korvale::PathFromUtf8(*chosen).filename(), std::filesystem::path("Teams"));
}

using Request = std::pair<UINT, WPARAM>;

// The message boxes of a commit, the first of them with a close request
// coming through its loop and a correction typed over the edit's text;
// every box is answered with OK. Notes the order in which the boxes and the
// frame go.
struct HeldCloseWatch {
  static inline HHOOK hook = nullptr;
  static inline HWND frame = nullptr;
  static inline HWND edit = nullptr;
  static inline std::string correction;
  static inline std::vector<Request> request;
  static inline int boxes = 0;
  static inline std::vector<std::string> gone;

  static bool IsBox(HWND window) {
    wchar_t name[16] = {};
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0 &&
           GetClassNameW(window, name, 16) > 0 && std::wstring(name) == L"#32770";
  }
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && IsBox(window)) {
      if (boxes++ == 0) {
        if (!correction.empty()) PostMessageW(edit, EM_SETSEL, 0, -1);
        for (char c : correction) PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
        for (const auto& [message, w] : request) PostMessageW(frame, message, w, 0);
      }
      PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    if (code == HCBT_DESTROYWND && (window == frame || IsBox(window))) {
      gone.emplace_back(window == frame ? "frame" : "box");
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
};

// A close request, the window's or the session's end, that comes through
// the loop of a box a commit shows waits for the commit: every box returns
// to a whole form, then the window closes as a close does, committing the
// changed edit that has the focus. The boxes: a value fails its check (the
// focus goes back to it; a correction typed meanwhile is what the close
// commits), or the change history cannot be written (the change is made).
TEST(HeldCloseTest, ACloseDuringACommitWaitsForTheCommit) {
  using korvale::FieldId;
  using korvale::testing::CheckedRoster;
  constexpr int kLastName = PlayerDataPage::kLastName;
  constexpr int kWeight = PlayerDataPage::kWeight;
  const std::vector<Request> close{{WM_CLOSE, 0}};
  const std::vector<Request> sessionEnd{{WM_QUERYENDSESSION, 0}, {WM_ENDSESSION, TRUE}};
  const struct {
    const char* what;
    int edit;  // typed into, then left with Tab
    std::string typed;
    std::string correction;
    std::vector<Request> request;
    int boxes;  // with the close's own commit's, if it writes: the history fails
    korvale::testing::PlayerFileBuilder written;
  } cases[] = {
      {"close, check", kWeight, "abc", "200", close, 2,
       CheckedRoster().Number(0, FieldId::Weight, 200)},
      {"session end, check", kWeight, "abc", "200", sessionEnd, 2,
       CheckedRoster().Number(0, FieldId::Weight, 200)},
      {"close, history", kLastName, "Zz", "", close, 1,
       CheckedRoster().Text(0, FieldId::LastName, "Zz")},
  };
  korvale::testing::TempDir dir;
  const std::filesystem::path roster = dir / "Players.dbf";
  // A file where the change history's folder would be: no history is written.
  korvale::testing::PlayerFileBuilder(0).WriteTo(dir / "taken");
  const korvale::testing::ScopedVariable history("KORVALE_HISTORY_DIR",
                                                 korvale::Utf8FromPath(dir / "taken" / "history"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CheckedRoster().WriteTo(roster);
    korvale::win::ScreenMessages screen;
    CMainFrame frame(korvale::SystemFileSystem(), screen);
    ASSERT_TRUE(frame.Create(GetModuleHandleW(nullptr)));
    screen.SetOwner(frame.Window());
    ShowWindow(frame.Window(), SW_SHOWNORMAL);
    SetForegroundWindow(frame.Window());
    frame.View().SetFileChooser(
        [&roster](HWND) { return std::optional(korvale::Utf8FromPath(roster)); });
    const auto keys = [&frame](MSG& msg) { return frame.PreTranslateMessage(msg); };
    SendMessageW(frame.Window(), WM_COMMAND, res::kIdSelect, 0);
    korvale::testing::Pump(keys);

    HWND edit = frame.View().PageControl(0, c.edit);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (char ch : c.typed) PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(ch), 1);
    korvale::testing::Pump(keys);
    HeldCloseWatch::frame = frame.Window();
    HeldCloseWatch::edit = edit;
    HeldCloseWatch::correction = c.correction;
    HeldCloseWatch::request = c.request;
    HeldCloseWatch::boxes = 0;
    HeldCloseWatch::gone.clear();
    HeldCloseWatch::hook =
        SetWindowsHookExW(WH_CBT, HeldCloseWatch::Proc, nullptr, GetCurrentThreadId());
    korvale::testing::PressKey(VK_TAB);
    const HWND window = frame.Window();
    korvale::testing::Pump(keys, [window] { return !IsWindow(window); });
    UnhookWindowsHookEx(HeldCloseWatch::hook);

    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(HeldCloseWatch::boxes, c.boxes);
    std::vector<std::string> order(static_cast<std::size_t>(c.boxes), "box");
    order.emplace_back("frame");
    EXPECT_EQ(HeldCloseWatch::gone, order) << "every box returns before the window goes";
    // The whole roster, compared by where it first differs.
    const std::string file = korvale::testing::ReadAll(roster);
    const std::string& expected = c.written.Bytes();
    const auto differs = std::mismatch(file.begin(), file.end(), expected.begin(), expected.end());
    EXPECT_EQ(differs.first - file.begin(), static_cast<std::ptrdiff_t>(expected.size()));
    EXPECT_EQ(file.size(), expected.size());
  }
}

}  // namespace
