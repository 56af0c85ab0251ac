#include "Win32PageControls.h"

#include "DialogTemplateW.h"
#include "TextLimitEdit.h"

namespace korvale::win {
namespace {

constexpr const wchar_t* kEdit = L"Edit";
constexpr const wchar_t* kButton = L"Button";
constexpr const wchar_t* kComboBox = L"ComboBox";
constexpr const wchar_t* kListBox = L"ListBox";

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
  if (!text.empty()) GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

}  // namespace

bool IsOfClass(HWND window, const wchar_t* className) {
  wchar_t name[32] = {};
  return window != nullptr && GetClassNameW(window, name, 32) > 0 && _wcsicmp(name, className) == 0;
}

HWND Win32PageControls::Find(int control, const wchar_t* className) const {
  HWND window = dialog_.Control(control);
  if (window == nullptr) return nullptr;
  auto known = classes_.find(window);
  if (known == classes_.end()) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    known = classes_.emplace(window, name).first;
  }
  return _wcsicmp(known->second.c_str(), className) == 0 ? window : nullptr;
}

std::string Win32PageControls::Text(int control) const {
  HWND edit = Find(control, kEdit);
  return edit != nullptr ? Narrow(WindowText(edit)) : std::string();
}

void Win32PageControls::SetText(int control, const std::string& text) {
  if (HWND edit = Find(control, kEdit)) SetWindowTextW(edit, Widen(text).c_str());
}

void Win32PageControls::LimitText(int control, int limit, const std::string& shown) {
  if (HWND edit = Find(control, kEdit)) LimitEditText(edit, limit, Widen(shown));
}

bool Win32PageControls::Checked(int control) const {
  HWND box = Find(control, kButton);
  return box != nullptr && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32PageControls::SetChecked(int control, bool checked) {
  if (HWND box = Find(control, kButton)) {
    SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void Win32PageControls::SetEntries(int control, const std::vector<std::string_view>& entries) {
  HWND list = Find(control, kComboBox);
  if (list == nullptr) return;
  // Redrawn once when filled; WM_SETREDRAW would show a hidden list.
  const bool shown = (GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  std::size_t bytes = 0;
  for (std::string_view entry : entries) bytes += entry.size() + 1;
  SendMessageW(list, CB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes * sizeof(wchar_t)));
  for (std::string_view entry : entries) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
  }
  // A filled list shows nothing until a record selects an entry.
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  if (shown) {
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
}

int Win32PageControls::Selection(int control) const {
  if (HWND list = Find(control, kComboBox)) {
    return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
  }
  if (HWND list = Find(control, kListBox)) {
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  }
  return -1;
}

// CB_SETCURSEL and LB_SETCURSEL do not notify: a selection the program sets
// is never the user's pick.
void Win32PageControls::Select(int control, int index) {
  if (HWND list = Find(control, kComboBox)) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < count ? index : -1),
                 0);
  } else if (HWND box = Find(control, kListBox)) {
    const auto count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < count ? index : -1),
                 0);
  }
}

void Win32PageControls::SetEnabled(int control, bool enabled) {
  if (HWND window = dialog_.Control(control)) EnableWindow(window, enabled ? TRUE : FALSE);
}

// Posted to the dialog: it runs after the message box that the caller has
// just closed, once the main window has its focus back; and not at all
// once the dialog (and the rules it serves) has gone.
void Win32PageControls::FocusLater(int control, std::function<void()> done) {
  dialog_.Post([this, control, done = std::move(done)] {
    HWND target = dialog_.Control(control);
    if (target != nullptr && IsWindowVisible(target)) {
      SetFocus(target);
      if (IsOfClass(target, kEdit)) SendMessageW(target, EM_SETSEL, 0, -1);
    }
    done();
  });
}

}  // namespace korvale::win
