#pragma once

#include <QIcon>
#include <QPixmap>

#include "Images.h"

namespace korvale::res {

// The application's icon, also shown in the about box.
[[nodiscard]] QIcon ApplicationIcon();
// The tool bar's four images side by side.
[[nodiscard]] QPixmap ToolBarBitmap();
// Image `index` of the tool bar's, its button-face grey transparent.
[[nodiscard]] QPixmap ToolBarImage(int index);

}  // namespace korvale::res
