#include "MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "StringTable.h"

namespace korvale::res {
namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddItems(std::span<const MenuItem> items, QMenu* menu, CommandActions& actions) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItemKind::Separator: menu->addSeparator(); break;
      case MenuItemKind::Popup:
        AddItems(item.items, menu->addMenu(Text(item.text)), actions);
        break;
      case MenuItemKind::Command: {
        QAction* action = menu->addAction(Text(item.text));
        // A command without a prompt shows an empty message pane; an empty
        // status tip would bring back the idle text instead.
        const QString prompt = StatusPrompt(item.id);
        action->setStatusTip(prompt.isEmpty() ? QStringLiteral(" ") : prompt);
        action->setData(item.id);
        action->setIconVisibleInMenu(false);
        actions[item.id] = action;
        break;
      }
    }
  }
}

}  // namespace

CommandActions BuildMenuBar(std::span<const MenuItem> menu, QMenuBar* bar) {
  CommandActions actions;
  for (const MenuItem& popup : menu) AddItems(popup.items, bar->addMenu(Text(popup.text)), actions);
  return actions;
}

}  // namespace korvale::res
