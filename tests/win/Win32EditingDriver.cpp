#include "Win32EditingDriver.h"

#include <commctrl.h>

#include "CKorvaleView.h"
#include "EditorForm.h"
#include "ResourceIds.h"
#include "WinHarness.h"

namespace korvale::testing {
namespace {

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

// The form in the frame the tests share, as its frame sizes it.
Win32EditingDriver::Win32EditingDriver()
    : view_(std::make_unique<CKorvaleView>(SharedFrame().Window(), files_, messages_)) {
  view_->SetFileChooser([this](HWND) { return chosen_; });
  RECT client{};
  GetClientRect(SharedFrame().Window(), &client);
  MoveWindow(view_->Window(), 0, 0, client.right, client.bottom, TRUE);
  active_ = SharedFrame().Activate();
  Pump();
}

Win32EditingDriver::~Win32EditingDriver() {
  view_->FrameClosing();
  view_.reset();
  Pump();
}

void Win32EditingDriver::Pump() {
  korvale::testing::Pump([this](MSG& msg) { return view_ && view_->PreTranslateMessage(msg); });
}

void Win32EditingDriver::Press(UINT key) {
  PressKey(key);
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

void Win32EditingDriver::Tab() { Press(VK_TAB); }

void Win32EditingDriver::Escape() { Press(VK_ESCAPE); }

// The list is opened with the focus in it, as a click opens it; the entry
// next to the one wanted is made current, and one arrow key picks it.
void Win32EditingDriver::PickInList(HWND combo, int index) {
  SetFocus(combo);
  Pump();
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  SendMessageW(combo, CB_SETCURSEL, index > 0 ? index - 1 : index + 1, 0);
  Press(index > 0 ? VK_DOWN : VK_UP);
  Press(VK_RETURN);
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
    case res::kIdClose: view_->Editor().Close(); break;
    case res::kIdForward: view_->Editor().Forward(); break;
    case res::kIdBack: view_->Editor().Back(); break;
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

// Delivered to the list under the pointer, as Windows does by default; the
// focus stays in the edit.
void Win32EditingDriver::WheelPlayerList() {
  PostMessageW(view_->Control(res::kIdPlayerList), WM_MOUSEWHEEL,
               MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  Pump();
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
