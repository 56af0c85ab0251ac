#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ChildDialog.h"
#include "ControlIds.h"
#include "DialogTemplateW.h"
#include "DialogTemplates.h"
#include "Win32PageControls.h"
#include "WinHarness.h"

namespace korvale::win {
namespace {

constexpr int kEdit = res::playerdata::kFirstName;

struct Input {
  enum Kind { Type, Paste, Backspace } kind;
  std::wstring text;
};

struct Case {
  const char* name;
  int limit;
  std::wstring shown;
  std::vector<Input> inputs;
  std::wstring after;
};

// Typing and pasting at the end of the shown text.
const Case kCases[] = {
    {"TypingStopsAtTheLimit", 5, L"Abe", {{Input::Type, L"cdef"}}, L"Abecd"},
    {"FileCharactersAreTyped",
     8,
     L"Abe",
     {{Input::Type, L"\u20AC\u00E9\u0081"}},
     L"Abe\u20AC\u00E9\u0081"},
    {"OtherCharactersAreNot", 8, L"Abe", {{Input::Type, L"\u0141\U0001F600x"}}, L"Abex"},
    {"NoLimitWhenZero", 0, L"", {{Input::Type, std::wstring(40, L'a')}}, std::wstring(40, L'a')},
    {"PasteWithinTheLimit", 5, L"Abe", {{Input::Paste, L"xy"}}, L"Abexy"},
    {"PasteOverTheLimitIsRefusedWhole", 5, L"Abe", {{Input::Paste, L"xyz"}}, L"Abe"},
    {"PasteOfALineBreakIsRefusedWhole", 9, L"Abe", {{Input::Paste, L"x\r\ny"}}, L"Abe"},
    {"PasteOfOtherCharactersIsRefusedWhole", 9, L"Abe", {{Input::Paste, L"x\u0141"}}, L"Abe"},
    {"ALongerShownTextMayBeShortened", 5, L"Abcdefg", {{Input::Backspace, L""}}, L"Abcdef"},
    {"AndTypedBackButNotLengthened",
     5,
     L"Abcdefg",
     {{Input::Backspace, L""}, {Input::Type, L"gh"}},
     L"Abcdefg"},
};

class TextLimitEditTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testing::SharedFrame().Activate()); }

  [[nodiscard]] HWND Edit() const { return dialog.Control(kEdit); }
  void Run() {
    testing::Pump([this](MSG& msg) { return IsDialogMessageW(dialog.Window(), &msg) != FALSE; });
  }
  void Do(const Input& input) {
    switch (input.kind) {
      case Input::Type:
        for (wchar_t c : input.text) PostMessageW(Edit(), WM_CHAR, c, 1);
        break;
      case Input::Backspace: PostMessageW(Edit(), WM_CHAR, VK_BACK, 1); break;
      case Input::Paste: {
        ASSERT_TRUE(OpenClipboard(Edit()));
        EmptyClipboard();
        const std::size_t bytes = (input.text.size() + 1) * sizeof(wchar_t);
        HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(data), input.text.c_str(), bytes);
        GlobalUnlock(data);
        SetClipboardData(CF_UNICODETEXT, data);
        CloseClipboard();
        PostMessageW(Edit(), WM_PASTE, 0, 0);
        break;
      }
    }
    Run();
  }

  ChildDialog dialog{testing::SharedFrame().Window(), res::PlayerDataPageTemplate(),
                     WS_CHILD | WS_VISIBLE | DS_CONTROL};
  Win32PageControls controls{dialog};
};

// What the Qt editor's text fields allow, in a Windows edit.
TEST_F(TextLimitEditTest, KeepsTypingAndPastingWithinTheRule) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    controls.LimitText(kEdit, c.limit, Narrow(c.shown));
    controls.SetText(kEdit, Narrow(c.shown));
    SetFocus(Edit());
    SendMessageW(Edit(), EM_SETSEL, c.shown.size(), c.shown.size());
    for (const Input& input : c.inputs) Do(input);
    wchar_t text[128] = {};
    GetWindowTextW(Edit(), text, 128);
    EXPECT_EQ(std::wstring(text), c.after);
  }
}

}  // namespace
}  // namespace korvale::win
