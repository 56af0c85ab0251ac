#pragma once

#include <functional>
#include <vector>

#include "ChildDialog.h"
#include "PageCommit.h"

namespace korvale::win {

// A page control's event, for the form's rules (EditorForm::Handle).
using PageEventSink = std::function<void(PageEvent event, int control)>;

// Forwards the events of the controls of a page's commits, as Windows
// delivers them:
// - Leave: the focus leaves the edit for another window of the same main
//   window; not for another top-level window (a message box, another
//   program), not when the main window is deactivated, not once `closing`
//   is set. Escape in the edit is the edit's, forwarded as Escape.
// - Pick: one per user choice in the drop-down list (ComboPick).
// - Click: the user ticks or unticks the check box (BN_CLICKED).
void ForwardPageEvents(ChildDialog& page, const std::vector<PageCommit>& commits,
                       const bool& closing, const PageEventSink& forward);

// The list's picks, one per user choice, to `pick`.
void ConnectPicks(ChildDialog& dialog, int control, std::function<void()> pick);

// Whether the focus moving from `from` to `to` leaves `from` for another
// window of the same main window.
[[nodiscard]] bool LeavesWithinWindow(HWND from, HWND to);

}  // namespace korvale::win
