#pragma once

#include <optional>

#include <QAction>
#include <QString>

#include "CMainFrame.h"
#include "ResourceIds.h"
#include "ViewHarness.h"

namespace korvale::testing {

// The main window on a fault-injecting file system whose file dialog
// answers with `chosen` (nothing: cancelled).
struct FrameHarness {
  FrameHarness() : frame(files, messages) {
    frame.View()->SetFileChooser([this](QWidget*) { return chosen; });
  }
  // Which of Select, Close, Back, Forward the actions offer, as "SCBF" with
  // '-' for a disabled one.
  [[nodiscard]] QString Enabled() const {
    QString state;
    for (const auto& [id, letter] :
         {std::pair{res::kIdSelect, 'S'}, std::pair{res::kIdClose, 'C'},
          std::pair{res::kIdBack, 'B'}, std::pair{res::kIdForward, 'F'}}) {
      state += frame.Command(id)->isEnabled() ? letter : '-';
    }
    return state;
  }
  TempDir dir;
  FaultyFileSystem files;
  MessageLog messages;
  std::optional<QString> chosen;
  CMainFrame frame;
};

}  // namespace korvale::testing
