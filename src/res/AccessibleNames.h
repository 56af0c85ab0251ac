#pragma once

#include <QString>

#include "DialogTemplate.h"

namespace korvale::res {

class ControlMap;

// The name a screen reader gives control `index` of a template: the text of
// the label that stands before it on its line (without colon and mnemonic,
// after the caption of a group box that holds it), a check box's own text,
// or, where the template gives no label, a short name of what it holds.
// Empty for labels, frames and the like.
[[nodiscard]] QString AccessibleName(const DialogTemplate& dialog, std::size_t index);

// Names every edit, list and check box of a built template and makes each
// label the buddy of the control it names.
void NameControls(const DialogTemplate& dialog, const ControlMap& controls);

}  // namespace korvale::res
