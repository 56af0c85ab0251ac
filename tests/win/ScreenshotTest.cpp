#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "CMainFrame.h"
#include "FileSystem.h"
#include "PngFile.h"
#include "WinHarness.h"

namespace {

// The window's pixels as the screen shows them.
std::vector<std::uint32_t> Capture(HWND window, int& width, int& height) {
  RECT r{};
  GetWindowRect(window, &r);
  width = r.right - r.left;
  height = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(p, p + static_cast<size_t>(width) * height);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Not a check: draws the main window for the documentation, into the PNG
// file KORVALE_SCREENSHOT names (scripts/windows-screenshot runs it).
TEST(Screenshot, MainWindow) {
  const char* path = std::getenv("KORVALE_SCREENSHOT");
  if (!path) GTEST_SKIP() << "KORVALE_SCREENSHOT names no file";
  MessageLog messages;
  CMainFrame frame(korvale::SystemFileSystem(), messages);
  ASSERT_TRUE(frame.Create(GetModuleHandleW(nullptr)));
  ShowWindow(frame.Window(), SW_SHOWNORMAL);
  SetForegroundWindow(frame.Window());
  frame.IdleUpdate();
  UpdateWindow(frame.Window());
  korvale::testing::Pump([&frame](MSG& msg) { return frame.PreTranslateMessage(msg); });
  RedrawWindow(frame.Window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  int width = 0, height = 0;
  const std::vector<std::uint32_t> pixels = Capture(frame.Window(), width, height);
  EXPECT_TRUE(korvale::testing::WritePng(path, width, height, pixels));
}

}  // namespace
