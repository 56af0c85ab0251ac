#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace korvale {

// The file-open dialog of Select: one filter that lists only files named
// Players.dbf, "Players.dbf" as the initial name, "dbf" as the default
// extension. The chosen file need not exist. Nothing when cancelled.
[[nodiscard]] std::optional<QString> ChoosePlayerFile(QWidget* owner);

}  // namespace korvale
