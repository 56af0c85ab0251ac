#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "EditorForm.h"
#include "FakeControls.h"
#include "FaultyFileSystem.h"
#include "PlayerFileBuilder.h"
#include "ResourceIds.h"

namespace korvale::testing {

// An editor form on plain controls, over a fault-injecting file system.
struct FormHarness {
  FormHarness();

  // Writes the file as Players.dbf in a fresh folder and selects it.
  std::filesystem::path SelectFile(const PlayerFileBuilder& builder);
  void SelectPath(const std::filesystem::path& path) { editor.Select(path.string()); }

  [[nodiscard]] std::vector<std::string>& PlayerEntries() { return form.lists[res::kIdPlayerList]; }
  [[nodiscard]] std::vector<std::string>& RosterEntries() { return form.lists[res::kIdRosterList]; }
  [[nodiscard]] std::string ChosenPlayer();  // empty: none
  [[nodiscard]] int ChosenTeam() { return form.Selection(res::kIdTeamChoice); }
  [[nodiscard]] std::vector<std::string_view>& Teams() { return form.entries[res::kIdTeamChoice]; }
  [[nodiscard]] std::string PlayerId() { return form.Text(res::kIdPlayerIdDisplay); }
  [[nodiscard]] int Current() { return editor.File().CurrentRecord(); }
  // Whether the commands Select, Close, Back, Forward are enabled, as "SCBF"
  // with '-' for a disabled one.
  [[nodiscard]] std::string Enabled() const;

  // The user's picks, as a front end forwards them.
  void PickPlayer(const std::string& entry);
  void PickTeam(int index);
  void PickRoster(int row);

  TempDir dir;
  FaultyFileSystem files;
  MessageLog messages;
  FakeFormControls form;
  std::array<FakeControls, 4> pages;
  EditorForm editor;
};

}  // namespace korvale::testing
