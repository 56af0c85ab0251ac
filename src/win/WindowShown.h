#pragma once

#include <windows.h>

// Whether the window itself is shown, whatever its parent's state (a bar of
// a frame that is not yet shown still counts as shown).
[[nodiscard]] inline bool IsShown(HWND window) {
  return window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}
