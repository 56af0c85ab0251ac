#include "TextLimitEdit.h"

#include <commctrl.h>

#include <algorithm>

#include "Windows1252.h"

namespace korvale::win {
namespace {

constexpr UINT_PTR kSubclassId = 0x4B4C;  // one per edit
// Where a second call finds the edit's limit (GetWindowSubclass is not
// among the functions comctl32 exports by name).
constexpr const wchar_t* kLimitProperty = L"KorvaleTextLimit";

struct Limit {
  int limit = 0;
  std::wstring shown;
};

std::wstring WindowText(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)), L'\0');
  if (!text.empty()) GetWindowTextW(edit, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

// The edit's text once the selection is replaced by `inserted`.
std::wstring WithSelectionReplaced(HWND edit, std::wstring_view inserted) {
  std::wstring text = WindowText(edit);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
  end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
  text.replace(start, end - start, inserted);
  return text;
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Lets the edit insert `text` when the rule allows it. A shown text longer
// than the limit may be typed back whole: the edit's own limit is lifted
// for that one change.
LRESULT Insert(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, const Limit& limit,
               std::wstring_view inserted) {
  const std::wstring result = WithSelectionReplaced(edit, inserted);
  if (!FitsTextLimit(result, limit.limit, limit.shown)) return 0;
  const bool over = limit.limit > 0 && result.size() > static_cast<std::size_t>(limit.limit);
  if (over) SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  const LRESULT r = DefSubclassProc(edit, message, wParam, lParam);
  if (over) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit.limit), 0);
  return r;
}

LRESULT CALLBACK LimitProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR data) {
  auto* limit = reinterpret_cast<Limit*>(data);
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      // Control characters are the edit's commands (Backspace, Ctrl+C, ...).
      if (wParam < 0x20) break;
      return Insert(edit, message, wParam, lParam, *limit,
                    std::wstring(1, static_cast<wchar_t>(wParam)));
    case WM_PASTE: return Insert(edit, message, wParam, lParam, *limit, ClipboardText(edit));
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, &LimitProc, kSubclassId);
      RemovePropW(edit, kLimitProperty);
      delete limit;
      break;
    default: break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

bool FitsTextLimit(std::wstring_view text, int limit, std::wstring_view shown) {
  const bool fits =
      (limit <= 0 || text.size() <= static_cast<std::size_t>(limit)) &&
      std::all_of(text.begin(), text.end(), [](wchar_t c) {
        return (c < 0xD800 || c > 0xDFFF) && IsAcceptedTextCharacter(static_cast<char32_t>(c));
      });
  return fits || text == shown;
}

void LimitEditText(HWND edit, int limit, std::wstring shown) {
  if (edit == nullptr) return;
  SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(std::max(limit, 0)), 0);
  if (auto* existing = static_cast<Limit*>(GetPropW(edit, kLimitProperty))) {
    existing->limit = limit;
    existing->shown = std::move(shown);
    return;
  }
  auto* state = new Limit{limit, std::move(shown)};
  if (!SetWindowSubclass(edit, &LimitProc, kSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
    delete state;
    return;
  }
  SetPropW(edit, kLimitProperty, state);
}

}  // namespace korvale::win
