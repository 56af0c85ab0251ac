#include "WinHarness.h"

namespace korvale::testing {
namespace {

constexpr const wchar_t* kFrameClass = L"KorvaleTestFrame";
constexpr int kMessageCap = 100000;

void RegisterFrameClass() {
  static const ATOM atom = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kFrameClass;
    return RegisterClassW(&cls);
  }();
  (void)atom;
}

bool NoDialogKeys(MSG&) { return false; }

}  // namespace

TestFrame::TestFrame() {
  RegisterFrameClass();
  window_ = CreateWindowExW(0, kFrameClass, L"Korvale test", WS_OVERLAPPEDWINDOW, 0, 0, 760, 560,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestFrame::~TestFrame() {
  if (window_ != nullptr) DestroyWindow(window_);
  Pump(NoDialogKeys);
}

// Wine waits up to two seconds for a shown top-level window to be
// withdrawn when there is no window manager: the tests share one frame
// instead of making and destroying one each.
TestFrame& SharedFrame() {
  static TestFrame frame;
  return frame;
}

bool TestFrame::Activate() const {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  Pump(NoDialogKeys, [this] { return GetActiveWindow() == window_; });
  return GetActiveWindow() == window_;
}

bool Pump(const std::function<bool(MSG&)>& dialogKeys, const std::function<bool()>& done) {
  MSG msg;
  for (int i = 0; i < kMessageCap; ++i) {
    if (done()) return true;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return done();
    if (dialogKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return done();
}

void PressKey(UINT key, bool alt) {
  HWND focus = GetFocus();
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? (1L << 29) : 0);
  const LPARAM up = down | (1L << 30) | (1L << 31);
  PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, down);
  PostMessageW(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, up);
}

}  // namespace korvale::testing
