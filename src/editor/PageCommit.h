#pragma once

#include <functional>

// One commit of a page and the event of its control that runs it. The
// front end forwards the event and ignores it while the page's take runs
// (PageExchange::Busy).
struct PageCommit {
  enum class Event {
    Leave,  // the focus leaves the edit for another control of the window
    Pick,   // the user picks a list entry, once per pick
    Click,  // the user ticks or unticks the check box
  };

  int control;
  Event event;
  std::function<void()> run;
};
