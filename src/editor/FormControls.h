#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ListOrder.h"
#include "PageControls.h"

// What the editor form's rules need of a front end, besides what a page
// needs (PageControls): the form's own controls (the PlayerID display, the
// player list, the team choice and the roster list, by their template
// ids) and the focus. Messages go through MessageSink.
//
// The front end forwards, and nothing else decides:
// - a command chosen: Select (with the path its file dialog chose, while
//   it holds the form's CloseGate), Close, Forward, Back, each enabled as
//   EditorForm::IsCommandEnabled says; when the window is to close or the
//   session ends, CommitOnClose, and once it allows the close, nothing
//   more;
// - a user's pick in the player list, the team choice or the roster list,
//   once per pick whatever the input (mouse, keys, wheel), with the roster
//   row or -1 when the list was left without a selection;
// - the events of the controls of each page's commits (FormPage::Commits)
//   to EditorForm::Handle: the focus leaving a page edit for another
//   control of the main window (not for a menu, a pop-up or another
//   window), a pick, a tick, and Escape in a page edit.
// It never forwards a selection or a text the program set. For the roster
// list, Select(id, -1) clears the selection and Selection gives the
// selected row.
class FormControls : public virtual PageControls {
 public:
  // An edit of a page that holds the focus: the page in tab order and
  // the edit's id.
  struct PageEdit {
    int page;
    int control;
  };

  // A list's entries, in this order, as file text (Windows-1252), with no
  // entry selected. Must not count as the user's pick.
  virtual void SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) = 0;
  // Entry `from` of a list takes this text (file text) and moves to
  // place `to` among the entries; no entry is selected afterwards. Must not
  // count as the user's pick.
  virtual void MoveListEntry(int control, int from, int to, const std::string& text) = 0;
  // The page edit that holds the focus, or nothing.
  [[nodiscard]] virtual std::optional<PageEdit> FocusedPageEdit() const = 0;
};
