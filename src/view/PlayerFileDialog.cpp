#include "PlayerFileDialog.h"

#include <QFileDialog>

namespace korvale {

std::optional<QString> ChoosePlayerFile(QWidget* owner) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Any name is accepted; a missing file is reported when it is opened.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Courtline '98 Player Data Files (Players.dbf)"));
  dialog.setDefaultSuffix(QStringLiteral("dbf"));
  dialog.selectFile(QStringLiteral("Players.dbf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace korvale
