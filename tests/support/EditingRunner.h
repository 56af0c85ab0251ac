#pragma once

#include <string>
#include <vector>

#include "EditingCases.h"
#include "EditingDriver.h"

namespace korvale::testing {

// Runs one case through a front end: writes the case's file into a fresh
// folder, has the file dialog answer with it, selects it when the case
// says so, then takes the steps. After each step the whole file must be
// the image before it with exactly the step's writes applied, and the
// messages, the record and the text shown must be the step's. Returns one
// line per fault, empty when the case held; the case ends at its first
// failing step.
[[nodiscard]] std::vector<std::string> RunEditingCase(const EditingCase& editingCase,
                                                      EditingDriver& driver);

}  // namespace korvale::testing
