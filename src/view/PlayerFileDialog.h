#pragma once

#include <optional>

#include <QString>

class QFileDialog;
class QWidget;

namespace korvale {

// The file-open dialog of Select: one filter, "Courtline '98 Player Data
// Files", that lists only files named Players.dbf in any letter case,
// "Players.dbf" as the initial name, "*.dbf" as the default extension.
void SetUpPlayerFileDialog(QFileDialog& dialog);
// Runs it. The chosen file need not exist. Nothing when cancelled.
[[nodiscard]] std::optional<QString> ChoosePlayerFile(QWidget* owner);

}  // namespace korvale
