#include "Strings.h"

#include <array>

#include "ResourceIds.h"

namespace korvale::res {
namespace {

struct StringEntry {
  int id;
  std::string_view text;
};

constexpr std::array kStrings = {
    StringEntry{kIdDocumentStrings, "Korvale\n\nKorval\n\n\nKorvale.Document\nKorval Document"},
    StringEntry{kIdSelect, "Select the Player Data File\nSelect Player File"},
    StringEntry{kIdBack, "Moves to  the previous record\nPrevious Record"},
    StringEntry{kIdForward, "Moves to the next record\nNext Record"},
    StringEntry{kIdApplicationTitle, "Korvale"},
    StringEntry{kIdIdleMessage, "Ready"},
    StringEntry{kIdAbout, "Display program information, version number and copyright\nAbout"},
    StringEntry{kIdExit, "Quit the application; prompts to save documents\nExit"},
    StringEntry{kIdIndicatorCaps, "CAP"},
    StringEntry{kIdIndicatorNum, "NUM"},
    StringEntry{kIdIndicatorScroll, "SCRL"},
    StringEntry{kIdViewToolBar, "Show or hide the toolbar\nToggle ToolBar"},
    StringEntry{kIdViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
};

}  // namespace

std::string_view StringText(int id) {
  for (const StringEntry& entry : kStrings) {
    if (entry.id == id) return entry.text;
  }
  return {};
}

std::string_view StringLine(int id, int index) {
  std::string_view text = StringText(id);
  for (int i = 0; i < index; ++i) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return {};
    text.remove_prefix(end + 1);
  }
  return text.substr(0, text.find('\n'));
}

}  // namespace korvale::res
