#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DialogTemplate.h"
#include "Utf8Path.h"

namespace korvale::win {

// What one control of a table becomes: its window class, style and
// extended style. Pure, so a test can compare a created control with it.
struct ControlClass {
  std::wstring className;
  DWORD style = 0;
  DWORD exStyle = 0;
};

[[nodiscard]] ControlClass ControlClassOf(const res::ControlTemplate& c);

// The id a control of the table has as a window: kStatic becomes IDC_STATIC
// (0xFFFF), as the resource compiler writes it.
[[nodiscard]] WORD ControlWindowId(const res::ControlTemplate& c);

// An in-memory DLGTEMPLATEEX for CreateDialogIndirectParamW: DS_SETFONT with
// the table's font face and point size, so that dialog units mean what the
// tables mean; the table's caption, if it has one; the controls in table
// order, which is the tab order. `dialogStyle` is the dialog's own window
// style (WS_CHILD, WS_POPUP | WS_CAPTION ...); DS_SETFONT is added, and
// WS_VISIBLE is taken away from a table that starts hidden.
[[nodiscard]] std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& t,
                                                    DWORD dialogStyle);

// UTF-8 to UTF-16 and back, for the texts of tables and controls.
using korvale::Narrow;
using korvale::Widen;

}  // namespace korvale::win
