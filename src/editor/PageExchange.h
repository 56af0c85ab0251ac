#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ExchangeEntry.h"

class MessageSink;
class PageControls;

// Copies a page's values to its controls (show) and back with validation
// (take), in the page's fixed order. A failed take shows its message, gives
// the focus back to the failing control with its text selected and stops
// there; while it runs, the page's own notifications are to be ignored.
class PageExchange {
 public:
  PageExchange(PageControls& controls, MessageSink& messages);

  void SetEntries(std::vector<ExchangeEntry> entries);

  void Show();
  // Takes every value in order. `committing` is the control whose commit
  // runs the take: when the take fails at that control itself, a command
  // waiting on the commit is stopped until the focus is back in it.
  bool Take(int committing = kNoControl);
  // Takes one control's value alone; `report` shows a failure as Take does,
  // otherwise a failure is silent. A control without an entry passes.
  bool TakeOne(int control, bool report);
  // Where the last take stopped, or kNoControl when it went through.
  [[nodiscard]] int FailedAt() const { return failedAt_; }
  // True while a take runs, until the focus is back in a failing control.
  [[nodiscard]] bool Busy() const { return busy_; }
  // True from a take that failed at the control being committed until the
  // focus is back in it.
  [[nodiscard]] bool StopsCommand() const { return stopsCommand_; }

  // Whether an edit's text differs from what the last display put there.
  [[nodiscard]] bool Changed(int control) const;
  // Puts back the text of the last display.
  void Revert(int control);

 private:
  [[nodiscard]] int IndexOf(int control) const;
  void ShowEntry(std::size_t index);
  void SetText(int control, const std::string& text);
  [[nodiscard]] std::optional<std::string> TakeEntry(const ExchangeEntry& entry);
  void Fail(int control, const std::string& message);

  PageControls& controls_;
  MessageSink& messages_;
  std::vector<ExchangeEntry> entries_;
  std::vector<std::string> shown_;  // per entry, the text the last display put there
  int failedAt_ = kNoControl;
  bool busy_ = false;
  bool stopsCommand_ = false;
};
