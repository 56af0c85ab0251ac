#pragma once

#include <vector>

#include "ChildDialog.h"
#include "PageCommit.h"

class PageExchange;

namespace korvale::win {

// Runs each of a page's commits on its control's event, never while the
// page's take runs (PageExchange::Busy):
// - Leave: the focus leaves the edit for another window of the same main
//   window; not for another top-level window (a message box, another
//   program), not when the main window is deactivated, not once `closing`
//   is set. Escape in the edit puts back the shown text (Revert).
// - Pick: one per user choice in the drop-down list (ComboPick).
// - Click: the user ticks or unticks the check box (BN_CLICKED).
void ConnectCommits(ChildDialog& page, PageExchange& exchange, std::vector<PageCommit> commits,
                    const bool& closing);

// The list's picks, one per user choice, to `pick`.
void ConnectPicks(ChildDialog& dialog, int control, std::function<void()> pick);

// Whether the focus moving from `from` to `to` leaves `from` for another
// window of the same main window.
[[nodiscard]] bool LeavesWithinWindow(HWND from, HWND to);

}  // namespace korvale::win
