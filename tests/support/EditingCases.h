#pragma once

#include <optional>
#include <string>
#include <vector>

#include "RecordLayout.h"

namespace korvale::testing {

// What a person does in one step of an editing case.
enum class StepKind {
  Enter,        // types into an edit, then Tab
  Type,         // types into an edit and stays there
  Escape,       // Escape in the edit that has the focus
  Pick,         // picks an entry of a page's drop-down list
  Click,        // ticks or unticks a page's check box
  Command,      // Select, Close, Forward or Back
  PickPlayer,   // picks an entry of the player list
  WheelPlayer,  // turns the wheel one notch down over the player list
  PickTeam,     // picks an entry of the team choice
  ClickRoster,  // clicks a row of the roster list
  ChooseTab,    // clicks a page's tab
};

// One field written by a step: its record, its field and the bytes stored.
struct Write {
  int record;
  FieldId field;
  std::string bytes;
};

// A page edit and the text it shows.
struct Shown {
  int page;
  int control;
  std::string text;
};

// One step and everything it must leave behind: the file as before with
// exactly `writes` applied, exactly these messages ("%1" stands for the
// file's path), and where given the record shown (-1: no file) and one
// edit's text.
struct EditingStep {
  explicit EditingStep(StepKind what) : kind(what) {}

  StepKind kind;
  int page = -1;     // the page in tab order, for the page steps
  int control = 0;   // control id, or command id
  int index = 0;     // list entry, roster row
  std::string text;  // typed (UTF-8)
  std::vector<Write> writes;
  std::vector<std::string> warnings;
  std::vector<std::string> stops;
  std::optional<int> record;
  std::optional<Shown> shows;

  EditingStep& Writes(int rec, FieldId field, std::string bytes);
  EditingStep& Warns(std::string text);
  EditingStep& StopsWith(std::string text);
  EditingStep& ShowsRecord(int rec);
  EditingStep& ShowsText(int onPage, int id, std::string shownText);
};

// A short story on a small player file. With `selected`, the file is
// selected (writing nothing) before the first step.
struct EditingCase {
  std::string name;
  std::string file;
  bool selected = true;
  std::vector<EditingStep> steps;
};

// Every case, the same for every front end.
[[nodiscard]] const std::vector<EditingCase>& EditingCases();

}  // namespace korvale::testing
