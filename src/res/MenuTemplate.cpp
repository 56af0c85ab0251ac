#include "MenuTemplate.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ResourceIds.h"
#include "StringTable.h"

namespace korvale::res {
namespace {

constexpr MenuItem Command(std::string_view text, int id) {
  return {MenuItemKind::Command, id, text, {}};
}
constexpr MenuItem Popup(std::string_view text, std::span<const MenuItem> items) {
  return {MenuItemKind::Popup, 0, text, items};
}
constexpr MenuItem kSeparator{MenuItemKind::Separator, 0, {}, {}};

constexpr MenuItem kSelectItems[] = {Command("Players.dbf...", kIdSelect)};
constexpr MenuItem kCloseItems[] = {Command("Players.dbf", kIdClose)};
constexpr MenuItem kFileItems[] = {Popup("&Select", kSelectItems), Popup("&Close", kCloseItems),
                                   kSeparator, Command("E&xit", kIdExit)};
constexpr MenuItem kRecordItems[] = {Command("&Forward", kIdForward), Command("&Back", kIdBack)};
constexpr MenuItem kViewItems[] = {Command("&Toolbar", kIdViewToolBar),
                                   Command("&Status Bar", kIdViewStatusBar)};
constexpr MenuItem kHelpItems[] = {Command("&About Courtline 98 Editor...", kIdAbout)};
constexpr MenuItem kMainMenu[] = {Popup("&File", kFileItems), Popup("&Record", kRecordItems),
                                  Popup("&View", kViewItems), Popup("&Help", kHelpItems)};

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

std::span<const MenuItem> MainMenu() { return kMainMenu; }

CommandActions BuildMenuBar(std::span<const MenuItem> menu, QMenuBar* bar) {
  CommandActions actions;
  for (const MenuItem& popup : menu) AddItems(popup.items, bar->addMenu(Text(popup.text)), actions);
  return actions;
}

}  // namespace korvale::res
