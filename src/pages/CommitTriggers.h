#pragma once

#include <functional>
#include <vector>

#include "PageCommit.h"

class PageExchange;
class QAbstractButton;
class QComboBox;
class QLineEdit;
namespace korvale::res {
class ControlMap;
}

// The events that commit a page's field. Each ignores what arrives while the
// page's take runs.
//
// Leaving an edit: the focus moves elsewhere in the window (Tab, Backtab, a
// click, the program). Opening a menu, a pop-up or another window does not
// count, so a menu command never commits by itself. Escape in the edit puts
// back the text of the last display and writes nothing.
// `control` is the edit's id in the page's exchange.
void OnLeave(QLineEdit* edit, int control, PageExchange& exchange, std::function<void()> commit);
// A pick by the user; selections set by the program do not count.
void OnPick(QComboBox* combo, const PageExchange& exchange, std::function<void()> commit);
// A click by the user.
void OnClick(QAbstractButton* button, const PageExchange& exchange, std::function<void()> commit);
// Each commit on its control's event.
void ConnectCommits(const korvale::res::ControlMap& controls, PageExchange& exchange,
                    std::vector<PageCommit> commits);
