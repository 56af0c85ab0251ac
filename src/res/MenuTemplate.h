#pragma once

#include <map>
#include <span>
#include <string_view>

class QAction;
class QMenu;
class QMenuBar;

namespace korvale::res {

enum class MenuItemKind { Command, Popup, Separator };

struct MenuItem {
  MenuItemKind kind;
  int id;  // commands only
  std::string_view text;
  std::span<const MenuItem> items;  // popups only
};

// Menu 128: the main window's menu bar.
[[nodiscard]] std::span<const MenuItem> MainMenu();

// The menu's commands by id.
using CommandActions = std::map<int, QAction*>;

// Fills the menu bar from the template. Commands get their status-bar
// prompt from the string table and no shortcut.
CommandActions BuildMenuBar(std::span<const MenuItem> menu, QMenuBar* bar);

}  // namespace korvale::res
