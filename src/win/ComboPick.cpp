#include "ComboPick.h"

#include <utility>

namespace korvale::win {

int ComboPick::Selection() const {
  return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

void ComboPick::Notify(int code) {
  switch (code) {
    case CBN_DROPDOWN:
      dropped_ = true;
      accepted_ = false;
      droppedAt_ = Selection();
      break;
    case CBN_SELENDOK:
      if (dropped_ || closing_) accepted_ = true;
      break;
    case CBN_SELENDCANCEL:
      if (dropped_ || closing_) accepted_ = false;
      break;
    case CBN_CLOSEUP:
      if (!dropped_) break;
      dropped_ = false;
      closing_ = true;
      dialog_.Post([this] { Closed(); });
      break;
    case CBN_SELCHANGE:
      if (dropped_ || closing_ || SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0) break;
      pick_();
      break;
    default: break;
  }
}

void ComboPick::Closed() {
  closing_ = false;
  if (std::exchange(accepted_, false)) {
    if (Selection() >= 0) pick_();
  } else if (Selection() != droppedAt_) {
    SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(droppedAt_), 0);
  }
}

}  // namespace korvale::win
