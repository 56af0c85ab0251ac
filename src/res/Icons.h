#pragma once

#include <QIcon>
#include <QPixmap>

#include "Images.h"

namespace korvale::res {

// The application's icon, also shown in the about box.
[[nodiscard]] QIcon ApplicationIcon();
// The tool bar's four images side by side.
[[nodiscard]] QPixmap ToolBarBitmap();

}  // namespace korvale::res
