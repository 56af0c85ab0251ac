#pragma once

#include <windows.h>

#include <span>

#include "MenuTemplate.h"

// A menu bar of the menu's items, popups as submenus. The caller owns it
// (a window destroys the menu it was given).
[[nodiscard]] HMENU BuildMenuBar(std::span<const korvale::res::MenuItem> items);
