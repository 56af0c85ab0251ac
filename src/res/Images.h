#pragma once

#include <span>

namespace korvale::res {

// The images, each as the rows of an XPM image (header, colours, pixels):
// the application's icon (32 x 32) and the tool bar's four images side by
// side, each kToolBarImageWidth x kToolBarImageHeight.
[[nodiscard]] std::span<const char* const> ApplicationIconXpm();
[[nodiscard]] std::span<const char* const> ToolBarBitmapXpm();

inline constexpr int kToolBarImageWidth = 32;
inline constexpr int kToolBarImageHeight = 30;

}  // namespace korvale::res
