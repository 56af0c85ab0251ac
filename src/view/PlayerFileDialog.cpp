#include "PlayerFileDialog.h"

#include <QFileDialog>

namespace korvale {

void SetUpPlayerFileDialog(QFileDialog& dialog) {
  // Qt's own dialog, whose name filter ignores letter case: the roster keeps
  // the name the game gave it in any case (PLAYERS.DBF from a CD or a
  // Windows folder), and a desktop's native dialog would match it exactly.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Any name is accepted; a missing file is reported when it is opened.
  dialog.setFileMode(QFileDialog::AnyFile);
  // One filter: the list shows its description alone, not its pattern.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(QStringLiteral("Courtline '98 Player Data Files (Players.dbf)"));
  // Qt adds it after a dot to a typed name that has none: "Teams" becomes
  // "Teams.*.dbf", which names no file and is refused by the open.
  dialog.setDefaultSuffix(QStringLiteral("*.dbf"));
  dialog.selectFile(QStringLiteral("Players.dbf"));
}

std::optional<QString> ChoosePlayerFile(QWidget* owner) {
  QFileDialog dialog(owner);
  SetUpPlayerFileDialog(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace korvale
