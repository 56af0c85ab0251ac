#include "CMainFrame.h"

#include <commctrl.h>

#include <algorithm>

#include "CKorvaleView.h"
#include "FormLayout.h"
#include "Images.h"
#include "MenuBarW.h"
#include "ResourceIds.h"
#include "Strings.h"
#include "ToolBarTemplate.h"
#include "Utf8Path.h"
#include "WindowShown.h"

namespace res = korvale::res;

namespace {

constexpr wchar_t kClassName[] = L"KorvaleFrame";
constexpr int kIconId = 128;
constexpr SIZE kToolBarImage{res::kToolBarImageWidth, res::kToolBarImageHeight};
constexpr int kLockIds[CMainFrame::kLockPanes] = {res::kIdIndicatorCaps, res::kIdIndicatorNum,
                                                  res::kIdIndicatorScroll};

bool RegisterFrameClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, kClassName, &existing)) return true;
  WNDCLASSEXW c{};
  c.cbSize = sizeof(c);
  c.style = CS_DBLCLKS;
  c.lpfnWndProc = proc;
  c.hInstance = instance;
  c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
  c.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXSMICON),
                                            GetSystemMetrics(SM_CYSMICON), 0));
  c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = kClassName;
  return RegisterClassExW(&c) != 0;
}

POINT CentredOnWorkArea() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + (work.right - work.left - res::kFrameWidth) / 2,
          work.top + (work.bottom - work.top - res::kFrameHeight) / 2};
}

}  // namespace

CMainFrame::CMainFrame(korvale::FileSystem& files, MessageSink& messages)
    : files_(files), messages_(messages) {}

CMainFrame::~CMainFrame() {
  if (window_) DestroyWindow(window_);
}

bool CMainFrame::Create(HINSTANCE instance) {
  instance_ = instance;
  if (!RegisterFrameClass(instance, WindowProc)) return false;
  const std::wstring title = korvale::Widen(res::StringLine(res::kIdDocumentStrings, 0));
  const POINT at = CentredOnWorkArea();
  HMENU menu = BuildMenuBar(res::MainMenu());
  window_ =
      CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, at.x,
                      at.y, res::kFrameWidth, res::kFrameHeight, nullptr, menu, instance, this);
  if (!window_) DestroyMenu(menu);
  return window_ != nullptr;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, w, l);
  }
  return self->OnMessage(message, w, l);
}

bool CMainFrame::OnCreate() {
  if (!toolBar_.Create(window_, res::ToolBarBitmapXpm(), kToolBarImage, res::MainToolBar())) {
    return false;
  }
  toolBar_.SetPromptHandler([this](int id) {
    if (id == 0) {
      ShowIdleText();
    } else {
      ShowPrompt(id);
    }
  });
  if (!CreateStatusBar()) return false;
  view_ = std::make_unique<CKorvaleView>(window_, files_, messages_);
  return view_->Window() != nullptr;
}

bool CMainFrame::CreateStatusBar() {
  statusBar_ = CreateWindowExW(
      0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window_,
      reinterpret_cast<HMENU>(INT_PTR{res::kIdViewStatusBar}), instance_, nullptr);
  if (!statusBar_) return false;
  ShowIdleText();
  return true;
}

// The message pane takes what the lock panes leave; each lock pane is as
// wide as its text, shown or not.
void CMainFrame::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  int top = client.top;
  int bottom = client.bottom;
  if (IsShown(toolBar_.Window())) {
    const int height = toolBar_.Height();
    SetWindowPos(toolBar_.Window(), nullptr, 0, top, client.right, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    top += height;
  }
  if (IsShown(statusBar_)) {
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    bottom -= bar.bottom - bar.top;
    HDC dc = GetDC(statusBar_);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(statusBar_, WM_GETFONT, 0, 0)));
    int edges[1 + kLockPanes];
    int right = client.right - GetSystemMetrics(SM_CXVSCROLL);
    for (int i = kLockPanes; i >= 1; --i) {
      edges[i] = right;
      const std::wstring text = korvale::Widen(res::StringLine(kLockIds[i - 1], 0));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      right -= size.cx + 12;
    }
    edges[0] = right;
    edges[kLockPanes] = -1;
    SelectObject(dc, old);
    ReleaseDC(statusBar_, dc);
    SendMessageW(statusBar_, SB_SETPARTS, 1 + kLockPanes, reinterpret_cast<LPARAM>(edges));
  }
  if (view_ && view_->Window()) {
    SetWindowPos(view_->Window(), nullptr, 0, top, client.right, std::max(0, bottom - top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void CMainFrame::ToggleBar(HWND bar) {
  ShowWindow(bar, IsShown(bar) ? SW_HIDE : SW_SHOW);
  Layout();
  UpdateMenuStates(Menu());
}

std::wstring CMainFrame::PaneText(int pane) const {
  const auto length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, pane, 0));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(statusBar_, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

bool CMainFrame::PreTranslateMessage(MSG& msg) { return view_ && view_->PreTranslateMessage(msg); }

void CMainFrame::UpdateLockPanes() {
  constexpr int keys[kLockPanes] = {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL};
  for (int i = 0; i < kLockPanes; ++i) {
    const bool on = (GetKeyState(keys[i]) & 1) != 0;
    if (on == lockShown_[i]) continue;
    lockShown_[i] = on;
    const std::wstring text = on ? korvale::Widen(res::StringLine(kLockIds[i], 0)) : std::wstring();
    SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(i + 1),
                 reinterpret_cast<LPARAM>(text.c_str()));
  }
}
