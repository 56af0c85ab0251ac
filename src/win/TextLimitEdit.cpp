#include "TextLimitEdit.h"

#include <algorithm>

#include "EditHook.h"
#include "TextLimit.h"

namespace korvale::win {
namespace {

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
LRESULT Insert(HWND edit, const EditHook& state, UINT message, WPARAM wParam, LPARAM lParam,
               std::wstring_view inserted) {
  const EditHook::Limit& limit = *state.limit;
  const std::wstring result = WithSelectionReplaced(edit, inserted);
  if (JudgeLimitedText(result, limit.limit, limit.shown) == LimitedText::Refused) return 0;
  const bool over = limit.limit > 0 && result.size() > static_cast<std::size_t>(limit.limit);
  if (over) CallEdit(edit, state, EM_LIMITTEXT, 0, 0);
  const LRESULT r = CallEdit(edit, state, message, wParam, lParam);
  if (over) CallEdit(edit, state, EM_LIMITTEXT, static_cast<WPARAM>(limit.limit), 0);
  return r;
}

}  // namespace

std::optional<LRESULT> LimitMessage(HWND edit, const EditHook& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      // Control characters are the edit's commands (Backspace, Ctrl+C, ...).
      if (wParam < 0x20) return std::nullopt;
      return Insert(edit, state, message, wParam, lParam,
                    std::wstring(1, static_cast<wchar_t>(wParam)));
    case WM_PASTE: return Insert(edit, state, message, wParam, lParam, ClipboardText(edit));
    default: return std::nullopt;
  }
}

void LimitEditText(HWND edit, int limit, std::wstring shown) {
  if (edit == nullptr) return;
  SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(std::max(limit, 0)), 0);
  HookEdit(edit).limit = EditHook::Limit{limit, std::move(shown)};
}

}  // namespace korvale::win
