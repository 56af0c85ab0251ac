#pragma once

#include <functional>
#include <vector>

#include "PageCommit.h"

class QLineEdit;
namespace korvale::res {
class ControlMap;
}

// A page control's event, for the form's rules (EditorForm::Handle).
using PageEventSink = std::function<void(PageEvent event, int control)>;

// Forwards the events of the controls of a page's commits, as Qt delivers
// them: Leave when the focus leaves the edit elsewhere in the window (Tab,
// Backtab, a click, the program), not for a menu, a pop-up or another
// window; Escape pressed in the edit (then the edit's alone); a pick by
// the user, not a selection the program set; a click by the user.
void ForwardPageEvents(const korvale::res::ControlMap& controls,
                       const std::vector<PageCommit>& commits, const PageEventSink& forward);
// The Leave and Escape events of one edit with id `control`.
void ForwardEditEvents(QLineEdit* edit, int control, PageEventSink forward);
