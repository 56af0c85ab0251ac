#pragma once

#include <functional>

// What a front end forwards of a page control's input.
enum class PageEvent {
  Leave,   // the focus leaves the edit for another control of the window
  Pick,    // the user picks a list entry, once per pick
  Click,   // the user ticks or unticks the check box
  Escape,  // Escape in the edit: its text of the last display comes back
};

// One commit of a page and the event of its control that runs it (Leave,
// Pick or Click).
struct PageCommit {
  using Event = PageEvent;

  int control;
  Event event;
  std::function<void()> run;
};
