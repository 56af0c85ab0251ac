#include "MenuTemplate.h"

#include "ResourceIds.h"

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

}  // namespace

std::span<const MenuItem> MainMenu() { return kMainMenu; }

}  // namespace korvale::res
