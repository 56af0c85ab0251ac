#pragma once

#include <functional>

class PageExchange;
class QAbstractButton;
class QComboBox;
class QLineEdit;

// The events that commit a page's field. Each ignores what arrives while the
// page's take runs.
//
// Leaving an edit: the focus moves elsewhere in the window (Tab, Backtab, a
// click, the program). Opening a menu, a pop-up or another window does not
// count, so a menu command never commits by itself.
void OnLeave(QLineEdit* edit, const PageExchange& exchange, std::function<void()> commit);
// A pick by the user; selections set by the program do not count.
void OnPick(QComboBox* combo, const PageExchange& exchange, std::function<void()> commit);
// A click by the user.
void OnClick(QAbstractButton* button, const PageExchange& exchange, std::function<void()> commit);
