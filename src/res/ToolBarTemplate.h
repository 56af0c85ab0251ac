#pragma once

#include <span>

namespace korvale::res {

// An entry of tool bar 128: a command id, or 0 for a separator. Buttons take
// the images of bitmap 128 in order.
inline constexpr int kToolBarSeparator = 0;

[[nodiscard]] std::span<const int> MainToolBar();

}  // namespace korvale::res
