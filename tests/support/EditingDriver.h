#pragma once

#include <string>

class MessageLog;

namespace korvale::testing {

// A person at one front end's editor form, shown and active, with no file
// selected at first. Pages are named by their place in tab order (0 Player
// Data, 1 Player Data 2, 2 Player Ratings, 3 Season Stats), controls by
// their template ids. Each call returns once the events it caused have
// been handled.
class EditingDriver {
 public:
  virtual ~EditingDriver() = default;

  // What the file dialog answers from now on (a UTF-8 path).
  virtual void AnswerFileDialog(const std::string& path) = 0;
  // Into the edit as a person gets there, then its whole text replaced by
  // typing; the edit keeps the focus.
  virtual void Type(int page, int control, const std::string& text) = 0;
  // Tab, from whatever has the focus.
  virtual void Tab() = 0;
  // Escape, in the edit that has the focus.
  virtual void Escape() = 0;
  // Opens a page's drop-down list and picks entry `index`.
  virtual void Pick(int page, int control, int index) = 0;
  // Clicks a page's check box.
  virtual void Click(int page, int control) = 0;
  // Select, Close, Forward or Back, as the menu or the tool bar gives it.
  virtual void Command(int id) = 0;
  // The form's own lists.
  virtual void PickPlayer(int index) = 0;
  virtual void PickTeam(int index) = 0;
  virtual void ClickRosterRow(int row) = 0;
  // One notch of the mouse wheel down over the player list, the pointer
  // resting there: the next entry is picked, the focus stays where it is.
  virtual void WheelPlayerList() = 0;
  // Clicks the page's tab.
  virtual void ChooseTab(int page) = 0;

  // The record on display, -1 with no file selected.
  [[nodiscard]] virtual int ShownRecord() = 0;
  // What a page's edit shows (UTF-8).
  [[nodiscard]] virtual std::string Text(int page, int control) = 0;
  // The messages shown since they were last cleared.
  [[nodiscard]] virtual MessageLog& Messages() = 0;
};

}  // namespace korvale::testing
