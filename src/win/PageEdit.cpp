#include "PageEdit.h"

namespace korvale::win {
namespace {

PageEdit* StateOf(HWND edit) {
  return reinterpret_cast<PageEdit*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
}

LRESULT CALLBACK PageEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  PageEdit* state = StateOf(edit);
  if (message == WM_NCDESTROY) {
    const WNDPROC original = state->original;
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(edit, GWLP_USERDATA, 0);
    delete state;
    return CallWindowProcW(original, edit, message, wParam, lParam);
  }
  if (state->limit) {
    if (const auto handled = LimitMessage(edit, *state, message, wParam, lParam)) return *handled;
  }
  if (state->leave) {
    if (const auto handled = LeaveMessage(edit, *state, message, wParam, lParam)) return *handled;
  }
  return CallEdit(edit, *state, message, wParam, lParam);
}

}  // namespace

PageEdit& HookPageEdit(HWND edit) {
  if (GetWindowLongPtrW(edit, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&PageEditProc)) {
    return *StateOf(edit);
  }
  auto* state = new PageEdit;
  SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  state->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PageEditProc)));
  return *state;
}

LRESULT CallEdit(HWND edit, const PageEdit& state, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(state.original, edit, message, wParam, lParam);
}

}  // namespace korvale::win
