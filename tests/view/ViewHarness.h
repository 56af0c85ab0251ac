#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

#include "CKorvaleView.h"
#include "FaultyFileSystem.h"
#include "MessageLog.h"
#include "PlayerFileBuilder.h"
#include "UserInput.h"

namespace korvale::testing {

// A view on a fault-injecting file system whose file dialog answers with
// `chosen` (nothing: cancelled).
struct ViewHarness {
  ViewHarness();

  // Writes the file as Players.dbf in a fresh folder and selects it.
  std::filesystem::path SelectFile(const PlayerFileBuilder& builder);

  [[nodiscard]] QStringList PlayerEntries() const;
  [[nodiscard]] QStringList RosterEntries() const;
  [[nodiscard]] QString ChosenPlayer() const { return view->PlayerList()->currentText(); }
  [[nodiscard]] int ChosenTeam() const { return view->TeamChoice()->currentIndex(); }
  [[nodiscard]] int Current() { return view->File().CurrentRecord(); }
  // Whether the commands Select, Close, Back, Forward are enabled, as "SCBF"
  // with '-' for a disabled one.
  [[nodiscard]] QString Enabled() const;

  TempDir dir;
  FaultyFileSystem files;
  MessageLog messages;
  std::optional<QString> chosen;
  std::unique_ptr<CKorvaleView> view;
};

// Texts (a message log's, say) as Qt compares and prints them.
[[nodiscard]] QStringList QtTexts(const std::vector<std::string>& texts);

// The user's pick of an entry by its text (see UserInput.h).
void PickEntry(QComboBox* combo, const QString& entry);

}  // namespace korvale::testing
