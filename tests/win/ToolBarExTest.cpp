#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "CToolBarEx.h"
#include "Images.h"
#include "ResourceIds.h"
#include "ToolBarTemplate.h"

namespace res = korvale::res;

namespace {

struct Stage {
  DWORD stage;
  DWORD_PTR item;
  UINT state;
  bool operator==(const Stage&) const = default;
};

// The bar's parent: records the drawing notifications and answers them as
// told.
struct Parent {
  std::vector<Stage> stages;
  LRESULT prePaintReply = CDRF_DODEFAULT;
  LRESULT itemReply = CDRF_DODEFAULT;
  DWORD_PTR skippedItem = 0;

  LRESULT OnCustomDraw(const NMCUSTOMDRAW& draw) {
    stages.push_back({draw.dwDrawStage, draw.dwItemSpec, draw.uItemState});
    if (draw.dwDrawStage == CDDS_PREPAINT) return prePaintReply;
    if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
      return draw.dwItemSpec == skippedItem ? CDRF_SKIPDEFAULT : itemReply;
    }
    return CDRF_DODEFAULT;
  }

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NOTIFY && self &&
        reinterpret_cast<NMHDR*>(l)->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      return self->OnCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(l));
    }
    return DefWindowProcW(window, message, w, l);
  }
};

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class ToolBarExTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW c{};
    c.lpfnWndProc = Parent::Proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"ToolBarExTestParent";
    RegisterClassW(&c);
    parentWindow_ = CreateWindowExW(0, c.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 120,
                                    nullptr, nullptr, c.hInstance, nullptr);
    SetWindowLongPtrW(parentWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parent_));
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
  Parent parent_;
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

TEST_F(ToolBarExTest, CustomDrawNotificationsReachTheParentInTheirStages) {
  EnableAllBut(res::kIdBack);
  int width = 0;
  PaintClient(width);
  EXPECT_EQ(parent_.stages, (std::vector<Stage>{{CDDS_PREPAINT, 0, 0}}))
      << "without asking for items, only the first stage";

  parent_.stages.clear();
  parent_.prePaintReply = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
  parent_.itemReply = CDRF_NOTIFYPOSTPAINT;
  parent_.skippedItem = res::kIdAbout;
  const std::vector<DWORD> pixels = PaintClient(width);
  const std::vector<Stage> expected = {
      {CDDS_PREPAINT, 0, 0},
      {CDDS_ITEMPREPAINT, res::kIdSelect, 0},
      {CDDS_ITEMPOSTPAINT, res::kIdSelect, 0},
      {CDDS_ITEMPREPAINT, res::kIdBack, CDIS_DISABLED},
      {CDDS_ITEMPOSTPAINT, res::kIdBack, 0},
      {CDDS_ITEMPREPAINT, res::kIdForward, 0},
      {CDDS_ITEMPOSTPAINT, res::kIdForward, 0},
      {CDDS_ITEMPREPAINT, res::kIdAbout, 0},
      {CDDS_POSTPAINT, 0, 0},
  };
  EXPECT_EQ(parent_.stages, expected);

  const auto colours = [&](int id) {
    const RECT r = Rect(id);
    std::vector<DWORD> seen;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const DWORD p = pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF;
        if (std::find(seen.begin(), seen.end(), p) == seen.end()) seen.push_back(p);
      }
    }
    return seen.size();
  };
  EXPECT_EQ(colours(res::kIdAbout), 1u) << "a skipped button is left undrawn";
  EXPECT_GT(colours(res::kIdSelect), 2u);
}

}  // namespace
