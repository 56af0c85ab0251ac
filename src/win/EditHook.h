#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "PageCommit.h"

namespace korvale::win {

// What a page edit does besides being an edit: the text limit of the file
// (TextLimitEdit) and its Leave and Escape events (Win32PageEvents). One window
// procedure in front of the edit's own serves both, with this state.
//
// Not the common controls' SetWindowSubclass: under Wine each message
// through it looks up a window property in the server, which made every
// display of a record take a third of a second for the rules' many reads
// of the edits' texts.
struct EditHook {
  struct Limit {
    int limit = 0;
    std::wstring shown;
  };
  struct Leave {
    int control;
    std::function<void(PageEvent event, int control)> forward;
    const bool* closing;
  };

  WNDPROC original = nullptr;
  std::optional<Limit> limit;
  std::optional<Leave> leave;
};

// The edit's state, its procedure put in front on the first call. Freed
// with the window.
[[nodiscard]] EditHook& HookEdit(HWND edit);

// The edit's own procedure for a message.
LRESULT CallEdit(HWND edit, const EditHook& state, UINT message, WPARAM wParam, LPARAM lParam);

// Each part's handling of a message; nothing when it leaves the message to
// the edit. Defined beside the part.
std::optional<LRESULT> LimitMessage(HWND edit, const EditHook& state, UINT message, WPARAM wParam,
                                    LPARAM lParam);
std::optional<LRESULT> LeaveMessage(HWND edit, const EditHook& state, UINT message, WPARAM wParam,
                                    LPARAM lParam);

}  // namespace korvale::win
