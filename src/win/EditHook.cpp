#include "EditHook.h"

namespace korvale::win {
namespace {

EditHook* StateOf(HWND edit) {
  return reinterpret_cast<EditHook*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
}

LRESULT CALLBACK EditHookProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  EditHook* state = StateOf(edit);
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

EditHook& HookEdit(HWND edit) {
  if (GetWindowLongPtrW(edit, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&EditHookProc)) {
    return *StateOf(edit);
  }
  auto* state = new EditHook;
  SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  state->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditHookProc)));
  return *state;
}

LRESULT CallEdit(HWND edit, const EditHook& state, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(state.original, edit, message, wParam, lParam);
}

}  // namespace korvale::win
