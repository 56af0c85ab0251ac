#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

#include "CKorvaleView.h"
#include "FaultyFileSystem.h"
#include "PlayerFileBuilder.h"
#include "RecordingMessages.h"
#include "UserInput.h"

namespace korvale::testing {

// A view on a fault-injecting file system whose file dialog answers with
// `chosen` (nothing: cancelled).
struct ViewHarness {
  ViewHarness();

  // Writes the file as Players.dbf in a fresh folder and selects it.
  std::filesystem::path SelectFile(const PlayerFileBuilder& builder);
  void SelectPath(const std::filesystem::path& path);

  [[nodiscard]] QStringList PlayerEntries() const;
  [[nodiscard]] QStringList RosterEntries() const;
  [[nodiscard]] QString ChosenPlayer() const { return view->PlayerList()->currentText(); }
  [[nodiscard]] int ChosenTeam() const { return view->TeamChoice()->currentIndex(); }
  [[nodiscard]] int Current() { return view->File().CurrentRecord(); }
  // Whether the commands Select, Close, Back, Forward are enabled, as "SCBF"
  // with '-' for a disabled one.
  [[nodiscard]] QString Enabled() const;

  // The user's picks, through the widgets.
  void PickPlayer(const QString& entry);
  void PickTeam(int index);
  void ClickRoster(int row);

  TempDir dir;
  FaultyFileSystem files;
  RecordingMessages messages;
  std::optional<QString> chosen;
  std::unique_ptr<CKorvaleView> view;
};

// The user's pick of an entry by its text (see UserInput.h).
void PickEntry(QComboBox* combo, const QString& entry);

// A record with the fields the lists show.
PlayerFileBuilder& Player(PlayerFileBuilder& b, int k, std::string_view last,
                          std::string_view first, int id, int team, int slot);

}  // namespace korvale::testing
