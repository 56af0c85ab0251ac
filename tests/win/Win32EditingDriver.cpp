#include "Win32EditingDriver.h"

#include <commctrl.h>

#include "CKorvaleView.h"
#include "FileSystem.h"
#include "ResourceIds.h"

namespace korvale::testing {
namespace {

constexpr wchar_t kFrameClass[] = L"KorvaleEditingCasesFrame";

// A plain top-level window in the frame's place: the form fills it.
HWND CreateFrame() {
  static const ATOM registered = [] {
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof frameClass;
    frameClass.lpfnWndProc = DefWindowProcW;
    frameClass.hInstance = GetModuleHandleW(nullptr);
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = kFrameClass;
    return RegisterClassExW(&frameClass);
  }();
  if (registered == 0) return nullptr;
  return CreateWindowExW(0, kFrameClass, L"Korvale", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                         720, 560, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring Wide(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Utf8(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

Win32EditingDriver::Win32EditingDriver() : frame_(CreateFrame()) {
  if (frame_ == nullptr) return;
  view_ = std::make_unique<CKorvaleView>(frame_, SystemFileSystem(), messages_);
  view_->SetFileChooser([this](HWND) { return chosen_; });
  RECT client{};
  GetClientRect(frame_, &client);
  MoveWindow(view_->Window(), 0, 0, client.right, client.bottom, TRUE);
  active_ = ShowActive();
}

Win32EditingDriver::~Win32EditingDriver() {
  if (view_) view_->FrameClosing();
  view_.reset();
  if (frame_ != nullptr) DestroyWindow(frame_);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// The window manager's answer comes as input: wait for it, a bounded number
// of times, rather than for a time.
bool Win32EditingDriver::ShowActive() {
  ShowWindow(frame_, SW_SHOW);
  SetForegroundWindow(frame_);
  SetActiveWindow(frame_);
  for (int wait = 0; wait < 50 && GetActiveWindow() != frame_; ++wait) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    Pump();
  }
  Pump();
  return GetActiveWindow() == frame_;
}

void Win32EditingDriver::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (view_ && view_->PreTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32EditingDriver::PressKey(HWND window, UINT key) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(window, WM_KEYDOWN, key, scan | 1);
  PostMessageW(window, WM_KEYUP, key, scan | 1 | (LPARAM{3} << 30));
  Pump();
}

void Win32EditingDriver::ClickAt(HWND window, POINT at) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageW(window, WM_LBUTTONUP, 0, where);
  Pump();
}

// Into the edit as Tab or a click brings the focus, its text selected, then
// each character as the keyboard sends it; nothing typed empties it.
void Win32EditingDriver::Type(int page, int control, const std::string& text) {
  HWND edit = view_->PageControl(page, control);
  SetFocus(edit);
  Pump();  // a failed take hands the focus back here
  SendMessageW(edit, EM_SETSEL, 0, -1);
  const std::wstring typed = Wide(text);
  if (typed.empty()) PostMessageW(edit, WM_CHAR, VK_BACK, 1);
  for (const wchar_t c : typed) PostMessageW(edit, WM_CHAR, c, 1);
  Pump();
}

void Win32EditingDriver::Tab() { PressKey(GetFocus(), VK_TAB); }

void Win32EditingDriver::Escape() { PressKey(GetFocus(), VK_ESCAPE); }

// The list is opened with the focus in it, as a click opens it; the entry
// next to the one wanted is made current, and one arrow key picks it.
void Win32EditingDriver::PickInList(HWND combo, int index) {
  SetFocus(combo);
  Pump();
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  SendMessageW(combo, CB_SETCURSEL, index > 0 ? index - 1 : index + 1, 0);
  PressKey(combo, index > 0 ? VK_DOWN : VK_UP);
  PressKey(combo, VK_RETURN);
}

void Win32EditingDriver::Pick(int page, int control, int index) {
  PickInList(view_->PageControl(page, control), index);
}

void Win32EditingDriver::Click(int page, int control) {
  SendMessageW(view_->PageControl(page, control), BM_CLICK, 0, 0);
  Pump();
}

// As the frame routes them from the menu and the tool bar: the focus stays
// where it is.
void Win32EditingDriver::Command(int id) {
  switch (id) {
    case res::kIdSelect: view_->Select(); break;
    case res::kIdClose: view_->Close(); break;
    case res::kIdForward: view_->Forward(); break;
    case res::kIdBack: view_->Back(); break;
    default: break;
  }
  Pump();
}

void Win32EditingDriver::PickPlayer(int index) {
  PickInList(view_->Control(res::kIdPlayerList), index);
}

void Win32EditingDriver::PickTeam(int index) {
  PickInList(view_->Control(res::kIdTeamChoice), index);
}

void Win32EditingDriver::ClickRosterRow(int row) {
  HWND list = view_->Control(res::kIdRosterList);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  ClickAt(list, Centre(item));
}

void Win32EditingDriver::ChooseTab(int page) {
  HWND tabs = view_->Control(res::kIdTabControl);
  RECT item{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
  ClickAt(tabs, Centre(item));
}

int Win32EditingDriver::ShownRecord() {
  PlayerFileState& file = view_->Editor().File();
  return file.IsSelected() ? file.CurrentRecord() : -1;
}

std::string Win32EditingDriver::Text(int page, int control) {
  HWND edit = view_->PageControl(page, control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

}  // namespace korvale::testing
