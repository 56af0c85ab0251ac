#include "FormHarness.h"

#include <algorithm>

namespace korvale::testing {

FormHarness::FormHarness()
    : editor(files, messages, form, {&pages[0], &pages[1], &pages[2], &pages[3]}) {}

std::filesystem::path FormHarness::SelectFile(const PlayerFileBuilder& builder) {
  static int folder = 0;
  const std::filesystem::path sub = dir / std::to_string(++folder);
  std::filesystem::create_directory(sub);
  std::filesystem::path path = builder.WriteTo(sub / "Players.dbf");
  SelectPath(path);
  return path;
}

std::string FormHarness::ChosenPlayer() {
  const int index = form.Selection(res::kIdPlayerList);
  return index < 0 ? "" : PlayerEntries().at(static_cast<std::size_t>(index));
}

std::string FormHarness::Enabled() const {
  std::string state;
  state += editor.IsCommandEnabled(res::kIdSelect) ? 'S' : '-';
  state += editor.IsCommandEnabled(res::kIdClose) ? 'C' : '-';
  state += editor.IsCommandEnabled(res::kIdBack) ? 'B' : '-';
  state += editor.IsCommandEnabled(res::kIdForward) ? 'F' : '-';
  return state;
}

void FormHarness::PickPlayer(const std::string& entry) {
  const std::vector<std::string>& entries = PlayerEntries();
  const auto found = std::find(entries.begin(), entries.end(), entry);
  form.selections[res::kIdPlayerList] =
      found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
  editor.PlayerPicked();
}

void FormHarness::PickTeam(int index) {
  form.selections[res::kIdTeamChoice] = index;
  editor.TeamPicked();
}

void FormHarness::PickRoster(int row) {
  form.selections[res::kIdRosterList] = row;
  editor.RosterPicked(row);
}

}  // namespace korvale::testing
