#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerFileChooser.h"
#include "WinHarness.h"

namespace korvale::win {
namespace {

// Cancels the file dialog as it comes up.
struct CancelDialog {
  static inline HHOOK hook = nullptr;
  static inline int dialogs = 0;

  static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
    wchar_t name[16] = {};
    auto* window = reinterpret_cast<HWND>(w);
    if (code == HCBT_ACTIVATE && GetClassNameW(window, name, 16) > 0 &&
        std::wstring(name) == L"#32770") {
      ++dialogs;
      PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(hook, code, w, l);
  }
};

// The dialog failing before it shows: a structure of the wrong size.
BOOL WINAPI FailingDialog(LPOPENFILENAMEW dialog) {
  dialog->lStructSize = 0;
  return GetOpenFileNameW(dialog);
}

// Cancel chooses nothing and says nothing; a failing dialog chooses nothing
// and says why.
TEST(PlayerFileChooserTest, AFailingDialogIsReportedACancelIsNot) {
  const struct {
    const char* name;
    OpenFileDialog open;
    int dialogs;
    std::vector<std::string> stops;
  } cases[] = {
      {"cancelled", GetOpenFileNameW, 1, {}},
      {"failing", FailingDialog, 0, {"The file dialog failed (error 0x0001)."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MessageLog messages;
    CancelDialog::dialogs = 0;
    CancelDialog::hook =
        SetWindowsHookExW(WH_CBT, CancelDialog::Proc, nullptr, GetCurrentThreadId());
    const std::optional<std::string> chosen =
        ChoosePlayerFile(testing::SharedFrame().Window(), messages, c.open);
    UnhookWindowsHookEx(CancelDialog::hook);
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_EQ(CancelDialog::dialogs, c.dialogs);
    EXPECT_EQ(messages.stops, c.stops);
    EXPECT_TRUE(messages.warnings.empty());
  }
}

}  // namespace
}  // namespace korvale::win
