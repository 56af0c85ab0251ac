#pragma once

#include <QIcon>
#include <QPixmap>

namespace korvale::res {

// Icon 128: the application's icon, also shown in the about box.
[[nodiscard]] QIcon ApplicationIcon();
// Bitmap 128: the tool bar's four images side by side, 128 x 30 pixels.
[[nodiscard]] QPixmap ToolBarBitmap();
// Image `index` of bitmap 128 (32 x 30), its button-face grey transparent.
[[nodiscard]] QPixmap ToolBarImage(int index);

inline constexpr int kToolBarImageWidth = 32;
inline constexpr int kToolBarImageHeight = 30;

}  // namespace korvale::res
