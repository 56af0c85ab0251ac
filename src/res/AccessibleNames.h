#pragma once

#include <QString>
#include <vector>

#include "DialogTemplate.h"

namespace korvale::res {

class ControlMap;

// What a screen reader calls one control of a template.
struct ControlName {
  QString name;    // empty: the control speaks for itself or is only drawn
  int label = -1;  // the index of the label standing before it, or -1
};

// The names of a template's controls, in template order. An edit, list or
// drop-down list is called by the label standing before it on its row
// (colon, mnemonic and line breaks dropped), after the caption of the group
// box around it ("Draft Info Year"); one with no label of its own has a short
// name saying what it holds ("Roster"), as has the tab control ("Pages"). A
// check box is called by its text.
[[nodiscard]] std::vector<ControlName> ControlNames(const DialogTemplate& dialog);

// Gives the built controls their names and makes each label the buddy of
// the control it stands before. A drop-down list is called by its current
// entry instead: its label reaches the screen reader as the buddy's
// labelled-by relation, and with no label, its name is its description.
// Changes nothing that is drawn.
void NameControls(const DialogTemplate& dialog, const ControlMap& controls);

}  // namespace korvale::res
