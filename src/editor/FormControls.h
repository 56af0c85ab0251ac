#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ListOrder.h"
#include "PageControls.h"

// What the editor form's rules need of a front end, besides what a page
// needs (PageControls): the form's own controls (the PlayerID display, the
// player list, the team choice and the roster list, by their template
// ids), the focus and the file dialog. Messages go through MessageSink.
//
// The front end forwards, and nothing else decides:
// - a command chosen: Select, Close, Forward, Back, each enabled as
//   EditorView::IsCommandEnabled says; when the window is to close or the
//   session ends, CommitOnClose, and once it allows the close, nothing
//   more;
// - a user's pick in the player list, the team choice or the roster list,
//   once per pick whatever the input (mouse, keys, wheel), with the roster
//   row or -1 when the list was left without a selection;
// - each page's commit events (PageCommit): the focus leaving a page edit
//   for another control of the main window (not for a menu, a pop-up or
//   another window), a pick, a tick;
// - Escape in a page edit: PageExchange::Revert of that edit.
// It never forwards a selection or a text the program set, and ignores a
// page's events while its exchange is Busy. For the roster list,
// Select(id, -1) clears the selection and Selection gives the selected row.
class FormControls : public PageControls {
 public:
  // An edit of a page that holds the focus: the page in tab order (0 to 3)
  // and the edit's id.
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
  // The file dialog: the chosen path as the file system names it, or
  // nothing when the user cancels.
  [[nodiscard]] virtual std::optional<std::string> ChoosePlayerFile() = 0;
};
