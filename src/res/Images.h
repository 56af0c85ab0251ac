#pragma once

#include <span>

namespace korvale::res {

// The images, each as the rows of an XPM image (header, colours, pixels):
// icon 128 (32 x 32) and bitmap 128, the tool bar's four images side by
// side (128 x 30).
[[nodiscard]] std::span<const char* const> ApplicationIconXpm();
[[nodiscard]] std::span<const char* const> ToolBarBitmapXpm();

}  // namespace korvale::res
