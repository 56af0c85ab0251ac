#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "CToolBarEx.h"
#include "Images.h"
#include "ResourceIds.h"
#include "ToolBarTemplate.h"

namespace res = korvale::res;

namespace {

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

// A system colour as a 32-bit device-independent bitmap holds it.
DWORD Pixel(int colour) {
  const COLORREF c = GetSysColor(colour);
  return (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class ToolBarExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW c{};
    c.lpfnWndProc = ParentProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"ToolBarExTestParent";
    RegisterClassW(&c);
    parentWindow_ = CreateWindowExW(0, c.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 120,
                                    nullptr, nullptr, c.hInstance, nullptr);
    ShowWindow(parentWindow_, SW_SHOWNOACTIVATE);  // hidden windows keep no update region
    ASSERT_TRUE(bar_.Create(parentWindow_, res::ToolBarBitmapXpm(), {32, 30}, res::MainToolBar()));
    SetWindowPos(bar_.Window(), nullptr, 0, 0, 380, bar_.Height(), SWP_NOZORDER);
    bar_.SetCursorSource([this] { return cursor_; });
    cursor_ = ScreenPoint({-1000, -1000});
  }
  void TearDown() override { DestroyWindow(parentWindow_); }

  int IndexOf(int id) const {
    return static_cast<int>(SendMessageW(bar_.Window(), TB_COMMANDTOINDEX, id, 0));
  }
  RECT Rect(int id) const { return bar_.ItemRect(IndexOf(id)); }
  void MoveMouse(POINT client) {
    SendMessageW(bar_.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  }
  POINT ScreenPoint(POINT client) const {
    ClientToScreen(bar_.Window(), &client);
    return client;
  }
  // Lets the window system finish showing the bar: every pending message and
  // paint, so that what is invalid afterwards is the test's doing.
  static void Settle() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
      DispatchMessageW(&msg);
    }
  }
  void EnableAllBut(int disabled) {
    bar_.UpdateButtons([disabled](int id) { return id != disabled; });
  }
  // Paints the client area into a 32-bit bitmap and returns its pixels.
  std::vector<DWORD> PaintClient(int& width) {
    RECT client{};
    GetClientRect(bar_.Window(), &client);
    width = client.right;
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(bar_.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(p, p + client.right * client.bottom);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
  }

  HWND parentWindow_ = nullptr;
  CToolBarEx bar_;
  POINT cursor_{};
};

TEST_F(ToolBarExTest, HotTrackingFollowsTheMouseOverEnabledButtonsAndTheHoverTickFlattens) {
  EnableAllBut(res::kIdBack);
  MoveMouse(Centre(Rect(res::kIdSelect)));
  EXPECT_EQ(bar_.HotIndex(), IndexOf(res::kIdSelect));
  EXPECT_EQ(bar_.HoverTimerId(), CToolBarEx::kHoverTimer);

  MoveMouse(Centre(Rect(res::kIdBack)));  // disabled: never hot
  EXPECT_EQ(bar_.HotIndex(), -1);

  MoveMouse(Centre(Rect(res::kIdForward)));
  ASSERT_EQ(bar_.HotIndex(), IndexOf(res::kIdForward));
  cursor_ = ScreenPoint(Centre(Rect(res::kIdForward)));
  SendMessageW(bar_.Window(), WM_TIMER, CToolBarEx::kHoverTimer, 0);
  EXPECT_EQ(bar_.HotIndex(), IndexOf(res::kIdForward)) << "the cursor is still over the bar";

  cursor_ = ScreenPoint({-50, -50});
  Settle();
  ValidateRect(bar_.Window(), nullptr);
  SendMessageW(bar_.Window(), WM_TIMER, CToolBarEx::kHoverTimer, 0);
  EXPECT_EQ(bar_.HotIndex(), -1);
  EXPECT_EQ(bar_.HoverTimerId(), 0u);
  RECT update{};
  GetUpdateRect(bar_.Window(), &update, FALSE);
  const RECT forward = Rect(res::kIdForward);
  EXPECT_TRUE(EqualRect(&update, &forward))
      << "only the button that was hot is repainted: " << update.left << "," << update.top << ","
      << update.right << "," << update.bottom << " vs " << forward.left << "," << forward.top << ","
      << forward.right << "," << forward.bottom;
}

TEST_F(ToolBarExTest, IdleUpdateRepaintsOnlyTheButtonsWhoseStateChanged) {
  EnableAllBut(0);
  Settle();
  ValidateRect(bar_.Window(), nullptr);
  EnableAllBut(0);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(bar_.Window(), &update, FALSE));

  EnableAllBut(res::kIdBack);
  EXPECT_FALSE(SendMessageW(bar_.Window(), TB_ISBUTTONENABLED, res::kIdBack, 0));
  ASSERT_TRUE(GetUpdateRect(bar_.Window(), &update, FALSE));
  const RECT back = Rect(res::kIdBack);
  EXPECT_TRUE(EqualRect(&update, &back))
      << update.left << "," << update.top << "," << update.right << "," << update.bottom << " vs "
      << back.left << "," << back.top << "," << back.right << "," << back.bottom;
}

TEST_F(ToolBarExTest, ADisabledButtonIsEmbossedInTheSystemColours) {
  EnableAllBut(res::kIdBack);
  int width = 0;
  const std::vector<DWORD> pixels = PaintClient(width);
  const auto colours = [&](int id) {
    const RECT r = Rect(id);
    std::set<DWORD> seen;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        seen.insert(pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF);
      }
    }
    return seen;
  };
  EXPECT_EQ(colours(res::kIdBack), (std::set<DWORD>{Pixel(COLOR_BTNFACE), Pixel(COLOR_BTNHIGHLIGHT),
                                                    Pixel(COLOR_BTNSHADOW)}));
  EXPECT_GT(colours(res::kIdSelect).size(), 3u) << "an enabled button shows its image's colours";
}

}  // namespace
