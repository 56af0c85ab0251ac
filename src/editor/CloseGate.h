#pragma once

#include <functional>

// Keeps a close of the main window out of the editor's handlers. A handler
// (a command, a pick, a page's commit) may open a message box or the file
// dialog, whose loop delivers what arrives meanwhile, a close request among
// it: such a close must not pull the form away under the handler. It waits
// until the outermost handler has returned.
class CloseGate {
 public:
  // Held by a handler while it runs; holds nest.
  class Hold {
   public:
    explicit Hold(CloseGate& gate) : gate_(gate) { ++gate_.depth_; }
    ~Hold() { gate_.Release(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    CloseGate& gate_;
  };

  // True when no handler runs: the close may go on now. Otherwise false,
  // and `again` runs once, as the outermost handler returns (the last
  // request's `again` when several came). It must ask for the close anew
  // from the front end's message loop: the handler's callers are still on
  // the stack then.
  [[nodiscard]] bool MayClose(std::function<void()> again);

 private:
  void Release();

  int depth_ = 0;
  std::function<void()> again_;
};
