#include "Win32FormControls.h"

#include "Windows1252.h"

namespace korvale::win {
namespace {

struct ListMessages {
  UINT reset, initStorage, add, select, remove, insert;
};

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_INITSTORAGE,  CB_ADDSTRING,
                                      CB_SETCURSEL,    CB_DELETESTRING, CB_INSERTSTRING};
constexpr ListMessages kListMessages{LB_RESETCONTENT, LB_INITSTORAGE,  LB_ADDSTRING,
                                     LB_SETCURSEL,    LB_DELETESTRING, LB_INSERTSTRING};

// Neither list sorts (no CBS_SORT, no LBS_SORT): the entries stand in the
// order given, which is the core's. Nothing here notifies.
void Fill(HWND list, const ListMessages& m, const std::vector<korvale::ListEntry>& entries) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, m.reset, 0, 0);
  std::size_t bytes = 0;
  for (const korvale::ListEntry& entry : entries) bytes += entry.text.size() + 1;
  SendMessageW(list, m.initStorage, entries.size(), static_cast<LPARAM>(bytes * sizeof(wchar_t)));
  for (const korvale::ListEntry& entry : entries) {
    SendMessageW(list, m.add, 0, reinterpret_cast<LPARAM>(ShownText(entry.text).c_str()));
  }
  SendMessageW(list, m.select, static_cast<WPARAM>(-1), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

std::wstring ShownText(std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  Cp1252ToUtf16(bytes, text.data());
  return text;
}

void Win32FormControls::SetListEntries(int control,
                                       const std::vector<korvale::ListEntry>& entries) {
  if (HWND combo = Find(control, L"ComboBox")) {
    Fill(combo, kComboMessages, entries);
  } else if (HWND list = Find(control, L"ListBox")) {
    Fill(list, kListMessages, entries);
  }
}

void Win32FormControls::MoveListEntry(int control, int from, int to, const std::string& text) {
  HWND list = Find(control, L"ComboBox");
  const ListMessages* m = &kComboMessages;
  if (list == nullptr) {
    list = Find(control, L"ListBox");
    m = &kListMessages;
  }
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, m->select, static_cast<WPARAM>(-1), 0);
  SendMessageW(list, m->remove, static_cast<WPARAM>(from), 0);
  SendMessageW(list, m->insert, static_cast<WPARAM>(to),
               reinterpret_cast<LPARAM>(ShownText(text).c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

std::optional<FormControls::PageEdit> Win32FormControls::FocusedPageEdit() const {
  HWND focus = GetFocus();
  if (!IsOfClass(focus, L"Edit")) return std::nullopt;
  HWND parent = GetParent(focus);
  for (int page = 0; page < static_cast<int>(pages_.size()); ++page) {
    if (pages_[page]->Window() == parent) {
      return PageEdit{page, GetDlgCtrlID(focus)};
    }
  }
  return std::nullopt;
}

}  // namespace korvale::win
