#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CKorvaleView.h"
#include "DialogTemplates.h"
#include "EditorForm.h"
#include "FileSystem.h"
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "ResourceIds.h"
#include "ScreenMessages.h"
#include "WinHarness.h"

namespace {

using korvale::FieldId;
using korvale::testing::CheckedRoster;
using korvale::testing::PressKey;
namespace res = korvale::res;

constexpr int kFirstName = PlayerDataPage::kFirstName;
constexpr int kPosition = PlayerDataPage::kPosition;

// The form in a shown, active frame over a roster of three players, with
// messages recorded instead of shown.
class CKorvaleViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(korvale::testing::SharedFrame().Activate());
    Open();
  }
  void TearDown() override { Shut(); }

  // A new form on a new copy of the roster, the roster selected.
  void Open() {
    CheckedRoster().WriteTo(path);
    view = std::make_unique<CKorvaleView>(Frame(), korvale::SystemFileSystem(), Sink());
    view->SetFileChooser([this](HWND) { return std::optional(path.string()); });
    RECT client{};
    GetClientRect(Frame(), &client);
    MoveWindow(view->Window(), 0, 0, client.right, client.bottom, TRUE);
    view->Select();
    Run();
  }
  void Shut() {
    view->FrameClosing();
    view.reset();
    Run();
  }

  static HWND Frame() { return korvale::testing::SharedFrame().Window(); }
  virtual MessageSink& Sink() { return messages; }
  void Run() {
    korvale::testing::Pump([this](MSG& msg) { return view && view->PreTranslateMessage(msg); });
  }
  // Through the editor's own handle: it holds the file exclusively.
  [[nodiscard]] std::string Field(FieldId field) const {
    const std::string image = view->Editor().File().ReadBytes(0, 1U << 16);
    return korvale::testing::FieldBytes(image, 0, field);
  }
  [[nodiscard]] HWND Edit() const { return view->PageControl(0, kFirstName); }
  // Types `text` over the whole text of the first-name edit.
  void TypeName(const std::string& text) {
    SetFocus(Edit());
    SendMessageW(Edit(), EM_SETSEL, 0, -1);
    for (char c : text) PostMessageW(Edit(), WM_CHAR, static_cast<WPARAM>(c), 1);
    Run();
  }
  [[nodiscard]] std::wstring EditText() const {
    wchar_t text[64] = {};
    GetWindowTextW(Edit(), text, 64);
    return text;
  }

  korvale::testing::TempDir dir;
  std::filesystem::path path = dir / "Players.dbf";
  MessageLog messages;
  std::unique_ptr<CKorvaleView> view;
};

// Starting at a page's first control, Tab visits the page's tab stops in the
// table's order, then the form's: the same cycle as the Qt form's.
TEST_F(CKorvaleViewTest, TabRunsThroughThePageThenTheForm) {
  const res::DialogTemplate* const tables[] = {
      &res::PlayerDataPageTemplate(), &res::PlayerData2PageTemplate(),
      &res::PlayerRatingsPageTemplate(), &res::SeasonStatsPageTemplate()};
  for (int page = 0; page < 4; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    view->ShowPage(page);
    std::vector<HWND> expected;
    for (const res::ControlTemplate& c : tables[page]->controls) {
      HWND control = view->PageControl(page, c.id);
      if ((c.style & res::style::kTabStop) != 0 && IsWindowEnabled(control)) {
        expected.push_back(control);
      }
    }
    for (int id :
         {res::kIdTabControl, res::kIdPlayerList, res::kIdTeamChoice, res::kIdRosterList}) {
      expected.push_back(view->Control(id));
    }
    expected.push_back(expected.front());
    SetFocus(expected.front());
    Run();
    std::vector<HWND> visited{GetFocus()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
      PressKey(VK_TAB);
      Run();
      visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited, expected);
  }
}

// The ways a page edit loses the focus without leaving it for another
// control of the main window: none writes the typed text; leaving it with
// Tab afterwards does.
enum class Away { MessageBox, OtherWindow, NoFocus };

struct BoxWatch {
  static inline HHOOK hook = nullptr;
  static inline HWND edit = nullptr;
  static inline bool editLostFocus = false;
  struct Box {
    HWND owner;
    std::wstring caption;
  };
  static inline std::vector<Box> boxes;

  // Closes each message box as it comes up; notes the edit giving its
  // focus away to it.
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16) > 0 &&
        std::wstring(name) == L"#32770") {
      auto* box = reinterpret_cast<HWND>(wParam);
      wchar_t caption[64] = {};
      GetWindowTextW(box, caption, 64);
      boxes.push_back({GetWindow(box, GW_OWNER), caption});
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (code == HCBT_SETFOCUS && reinterpret_cast<HWND>(lParam) == edit &&
        GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT) != GetAncestor(edit, GA_ROOT)) {
      editLostFocus = true;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
  }
};

TEST_F(CKorvaleViewTest, FocusElsewhereCommitsNothingUntilTheEditIsLeftWithinTheWindow) {
  for (Away away : {Away::MessageBox, Away::OtherWindow, Away::NoFocus}) {
    SCOPED_TRACE(static_cast<int>(away));
    Shut();
    Open();
    const std::string before = Field(FieldId::FirstName);
    TypeName("Zed");
    ASSERT_EQ(GetFocus(), Edit());
    switch (away) {
      case Away::MessageBox:
        BoxWatch::edit = Edit();
        BoxWatch::editLostFocus = false;
        BoxWatch::hook = SetWindowsHookExW(WH_CBT, BoxWatch::Proc, nullptr, GetCurrentThreadId());
        MessageBoxW(Frame(), L"Somewhere else", L"Korvale", MB_OK | MB_ICONEXCLAMATION);
        UnhookWindowsHookEx(BoxWatch::hook);
        EXPECT_TRUE(BoxWatch::editLostFocus);
        break;
      case Away::OtherWindow: {
        HWND other =
            CreateWindowExW(0, L"Edit", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetActiveWindow(other);
        SetFocus(other);
        Run();
        EXPECT_NE(GetFocus(), Edit());
        DestroyWindow(other);
        break;
      }
      case Away::NoFocus:
        SetFocus(nullptr);
        Run();
        break;
    }
    Run();
    EXPECT_EQ(Field(FieldId::FirstName), before);
    EXPECT_EQ(EditText(), L"Zed");

    ASSERT_TRUE(korvale::testing::SharedFrame().Activate());
    SetFocus(Edit());
    Run();
    EXPECT_EQ(Field(FieldId::FirstName), before) << "the focus came back: nothing left";
    PressKey(VK_TAB);
    Run();
    EXPECT_NE(GetFocus(), Edit());
    EXPECT_EQ(
        Field(FieldId::FirstName),
        korvale::testing::FieldBytes(CheckedRoster().Text(0, FieldId::FirstName, "Zed").Bytes(), 0,
                                     FieldId::FirstName));
    EXPECT_TRUE(messages.warnings.empty());
  }
}

// Escape puts back the shown text; leaving the edit then writes nothing.
// Once the frame closes, leaving an edit writes nothing either.
TEST_F(CKorvaleViewTest, EscapeAndClosingWriteNothing) {
  const std::string before = Field(FieldId::FirstName);
  TypeName("Zed");
  PressKey(VK_ESCAPE);
  Run();
  EXPECT_EQ(EditText(), L"Abe");
  PressKey(VK_TAB);
  Run();
  EXPECT_EQ(Field(FieldId::FirstName), before);

  TypeName("Zed");
  view->FrameClosing();
  PressKey(VK_TAB);
  Run();
  EXPECT_NE(GetFocus(), Edit());
  EXPECT_EQ(Field(FieldId::FirstName), before);
}

// A key on the closed list writes the next entry; entries only moved over
// in the open list write nothing, and the list shows its entry again.
TEST_F(CKorvaleViewTest, PositionListWritesOnlyWhatIsPicked) {
  HWND list = view->PageControl(0, kPosition);
  SetFocus(list);
  Run();
  ASSERT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
  for (UINT key : {VK_F4, VK_DOWN, VK_DOWN, VK_ESCAPE}) {
    PressKey(key);
    Run();
  }
  EXPECT_EQ(Field(FieldId::Position), "1");
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
  PressKey(VK_DOWN);
  Run();
  EXPECT_EQ(Field(FieldId::Position), "2");
  for (UINT key : {VK_F4, VK_DOWN, VK_DOWN, VK_RETURN}) {
    PressKey(key);
    Run();
  }
  EXPECT_EQ(Field(FieldId::Position), "4");
  EXPECT_EQ(messages.warnings, std::vector<std::string>{});
}

// With message boxes on the screen: a value that fails its check is
// reported in a box owned by the main window, nothing is written, and once
// the box has closed the focus is back in the edit with its text selected.
class ScreenBoxTest : public CKorvaleViewTest {
 protected:
  MessageSink& Sink() override { return screen; }
  korvale::win::ScreenMessages screen{Frame()};
};

TEST_F(ScreenBoxTest, FailedCheckReturnsTheFocusAfterTheBox) {
  const std::string before = Field(FieldId::Weight);
  HWND weight = view->PageControl(0, PlayerDataPage::kWeight);
  SetFocus(weight);
  SendMessageW(weight, EM_SETSEL, 0, -1);
  PostMessageW(weight, WM_CHAR, '9', 1);
  Run();
  BoxWatch::edit = weight;
  BoxWatch::editLostFocus = false;
  BoxWatch::boxes.clear();
  BoxWatch::hook = SetWindowsHookExW(WH_CBT, BoxWatch::Proc, nullptr, GetCurrentThreadId());
  PressKey(VK_TAB);
  Run();
  UnhookWindowsHookEx(BoxWatch::hook);
  ASSERT_EQ(BoxWatch::boxes.size(), 1U);
  EXPECT_EQ(BoxWatch::boxes[0].owner, Frame());
  EXPECT_EQ(BoxWatch::boxes[0].caption, L"Korvale");
  EXPECT_EQ(Field(FieldId::Weight), before);
  EXPECT_EQ(GetFocus(), weight);
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(weight, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0U);
  EXPECT_EQ(end, 1U);
}

// The tab control shows the chosen page and hides the others.
TEST_F(CKorvaleViewTest, TabControlShowsTheChosenPage) {
  HWND tabs = view->Control(res::kIdTabControl);
  for (int page : {2, 1, 3, 0}) {
    SetFocus(tabs);
    SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
    Run();
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), page);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(IsWindowVisible(view->Page(p)) != FALSE, p == page);
  }
}

}  // namespace
