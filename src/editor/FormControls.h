#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ListOrder.h"
#include "PageControls.h"

// What the editor form's rules need of a front end, besides what a page
// needs: the form's own controls (the PlayerID display, the player list,
// the team choice and the roster list, by their template ids), the focus
// and the file dialog.
//
// The front end forwards to EditorView: a command chosen (Select, Close,
// Forward, Back; Close also when the window closes), a user's pick in the
// player list, the team choice or the roster list (once per pick, however
// it was made, with the roster row or -1 when the list was left without a
// selection), and each page's commit events (see PageCommit). It never
// forwards a selection the program set. For the roster list, Select(id, -1)
// clears the selection and Selection gives the selected row.
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
  // The page edit that holds the focus, or nothing.
  [[nodiscard]] virtual std::optional<PageEdit> FocusedPageEdit() const = 0;
  // The file dialog: the chosen path as the file system names it, or
  // nothing when the user cancels.
  [[nodiscard]] virtual std::optional<std::string> ChoosePlayerFile() = 0;
};
