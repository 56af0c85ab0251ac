#pragma once

#include <span>
#include <string_view>

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

}  // namespace korvale::res
