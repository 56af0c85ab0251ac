#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A page's controls as the editing rules see them, known by their numeric
// ids; texts are UTF-8. A front end implements it over its own controls.
// A call for an id the page does not have, or a control of another kind,
// does nothing and reads as empty or unticked.
class PageControls {
 public:
  virtual ~PageControls() = default;

  [[nodiscard]] virtual std::string Text(int control) const = 0;
  // Must not notify the page of an edit or a commit.
  virtual void SetText(int control, const std::string& text) = 0;
  // An edit for text: typing and pasting keep it within `limit` characters
  // (none when 0), each one the file can hold. `shown`, the text about to
  // be shown, is not cut: it may be shortened but not lengthened.
  virtual void LimitText(int control, int limit, const std::string& shown) = 0;

  [[nodiscard]] virtual bool Checked(int control) const = 0;
  virtual void SetChecked(int control, bool checked) = 0;

  // A drop-down list's entries, in this order, with no entry selected;
  // none empties it. Must not count as the user's pick.
  virtual void SetEntries(int control, const std::vector<std::string_view>& entries) = 0;
  // The selected entry, -1 for none.
  [[nodiscard]] virtual int Selection(int control) const = 0;
  // Selects entry `index`; an index with no entry selects none. Must not
  // count as the user's pick.
  virtual void Select(int control, int index) = 0;

  virtual void SetEnabled(int control, bool enabled) = 0;

  // Once the message box shown just before has closed and its window has
  // handed the focus on: the focus into the control with its text
  // selected, then `done` (also when the control has gone).
  virtual void FocusLater(int control, std::function<void()> done) = 0;
};
