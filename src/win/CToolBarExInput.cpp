// Mouse and timer handling of CToolBarEx: hot tracking and the prompts.
#include "CToolBarEx.h"

void CToolBarEx::OnMouseMove(POINT point) {
  const int oldHot = hot_;
  hot_ = -1;
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    const int id = ItemId(i);
    if (id == 0 || !SendMessageW(window_, TB_ISBUTTONENABLED, id, 0)) continue;
    const RECT r = ItemRect(i);
    if (PtInRect(&r, point)) {
      if (i != oldHot) InvalidateRect(window_, &r, FALSE);
      hot_ = i;
    } else if (i == oldHot) {
      InvalidateRect(window_, &r, FALSE);
    }
  }
  if (hoverTimerId_ != 0) KillTimer(window_, hoverTimerId_);
  hoverTimerId_ = SetTimer(window_, kHoverTimer, kHoverInterval, nullptr);
}

bool CToolBarEx::OnTimer(UINT_PTR id) {
  if (!flat_ || hoverTimerId_ == 0 || id != hoverTimerId_ || hot_ < 0) return false;
  RECT window{};
  GetWindowRect(window_, &window);
  if (PtInRect(&window, CursorPos())) return true;
  const RECT r = ItemRect(hot_);
  InvalidateRect(window_, &r, FALSE);
  hot_ = -1;
  KillTimer(window_, hoverTimerId_);
  hoverTimerId_ = 0;
  return true;
}

// The status-bar prompt follows the command under the pointer, enabled or
// not, and goes back to the idle text once the pointer leaves the bar.
void CToolBarEx::ShowPromptAt(POINT point) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  int id = 0;
  const int count = ButtonCount();
  for (int i = 0; i < count && id == 0; ++i) {
    const RECT r = ItemRect(i);
    if (PtInRect(&r, point)) id = ItemId(i);
  }
  if (id == promptId_) return;
  promptId_ = id;
  if (prompt_) prompt_(id);
}
