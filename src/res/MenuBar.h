#pragma once

#include <map>
#include <span>

#include "MenuTemplate.h"

class QAction;
class QMenuBar;

namespace korvale::res {

// The menu's commands by id.
using CommandActions = std::map<int, QAction*>;

// Fills the menu bar from the template. Commands get their status-bar
// prompt from the string table and no shortcut.
CommandActions BuildMenuBar(std::span<const MenuItem> menu, QMenuBar* bar);

}  // namespace korvale::res
