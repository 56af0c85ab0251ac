#pragma once

#include <windows.h>

#include <functional>

#include "ChildDialog.h"

namespace korvale::win {

// One pick per user choice in a drop-down list, whatever the input, fed
// with the list's CBN_ notifications:
// - the dropped list closed on an entry (mouse, Enter, F4): one pick once
//   it has closed, also for the entry already selected; entries only
//   highlighted while it was dropped are none, and a list closed without a
//   choice (Escape, a click elsewhere) shows again the entry it had;
// - a key or the wheel on the closed list: CBN_SELCHANGE, one pick each.
// Windows sends the CBN_SELCHANGE of a close before or after CBN_CLOSEUP:
// the pick of a close waits for a posted task, so both orders give one.
// (Wine: a click in the open list gives SELENDOK, CLOSEUP, SELCHANGE;
// Enter gives SELENDOK, CLOSEUP; a key or the wheel on the closed list
// SELENDOK, SELCHANGE; arrows in the open list SELCHANGE each; Escape
// SELENDCANCEL, CLOSEUP and keeps the highlighted entry selected.)
class ComboPick {
 public:
  ComboPick(ChildDialog& dialog, HWND combo, std::function<void()> pick)
      : dialog_(dialog), combo_(combo), pick_(std::move(pick)) {}

  void Notify(int code);

 private:
  void Closed();
  [[nodiscard]] int Selection() const;

  ChildDialog& dialog_;
  HWND combo_;
  std::function<void()> pick_;
  bool dropped_ = false;   // from CBN_DROPDOWN to CBN_CLOSEUP
  bool closing_ = false;   // from CBN_CLOSEUP until its task ran
  bool accepted_ = false;  // the drop ended on an entry (CBN_SELENDOK)
  int droppedAt_ = -1;     // the selection when the list dropped
};

}  // namespace korvale::win
