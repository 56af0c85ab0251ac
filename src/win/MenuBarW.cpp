#include "MenuBarW.h"

#include <string>

#include "DialogTemplateW.h"

namespace {

void AppendItems(HMENU menu, std::span<const korvale::res::MenuItem> items) {
  using korvale::res::MenuItemKind;
  for (const auto& item : items) {
    const std::wstring text = korvale::win::Widen(item.text);
    switch (item.kind) {
      case MenuItemKind::Separator: AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); break;
      case MenuItemKind::Command:
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), text.c_str());
        break;
      case MenuItemKind::Popup: {
        HMENU popup = CreatePopupMenu();
        AppendItems(popup, item.items);
        AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        break;
      }
    }
  }
}

}  // namespace

HMENU BuildMenuBar(std::span<const korvale::res::MenuItem> items) {
  HMENU bar = CreateMenu();
  AppendItems(bar, items);
  return bar;
}
