#include <windows.h>

#include <gtest/gtest.h>

#include "CAboutDlg.h"

namespace {

// The box runs its own modal loop: the test acts from inside it, through
// the keys a user would press.
TEST(AboutDlgTest, ShowsTheIconAndClosesWithEnterOrEscape) {
  const struct {
    UINT key;
    INT_PTR result;
  } cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
  for (const auto& c : cases) {
    wchar_t caption[64] = {};
    HICON icon = nullptr;
    CAboutDlg::SetShownHook([&](HWND dialog) {
      GetWindowTextW(dialog, caption, 64);
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
      }
      PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, c.key, 0);
    });
    EXPECT_EQ(CAboutDlg(GetModuleHandleW(nullptr)).DoModal(nullptr), c.result);
    EXPECT_STREQ(caption, L"About Korvale");
    EXPECT_NE(icon, nullptr) << "icon 128";
  }
  CAboutDlg::SetShownHook({});
}

}  // namespace
