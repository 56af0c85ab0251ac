#pragma once

#include <array>
#include <string_view>

#include "DialogTemplate.h"

namespace korvale::res {

// The main window's size, its frame included, in pixels.
inline constexpr int kFrameWidth = 505;
inline constexpr int kFrameHeight = 455;

// A page on the editor form's tab control: the name on its tab and the
// template of its controls.
struct PageEntry {
  std::string_view tabName;
  const DialogTemplate& (*layout)();
};

inline constexpr int kPageCount = 4;
// The pages in tab order.
[[nodiscard]] const std::array<PageEntry, kPageCount>& Pages();
// The page whose tab is chosen at the start; the others start hidden.
inline constexpr int kFirstPage = 0;

// Whether a tab index names a page; choosing none leaves the shown page.
[[nodiscard]] constexpr bool IsPage(int page) { return page >= 0 && page < kPageCount; }

// Where each page lies in the tab control (client area `width` x `height`
// pixels): below the tabs, 5 pixels in from its other edges.
struct PageArea {
  int x, y, width, height;
};
[[nodiscard]] constexpr PageArea PageAreaIn(int width, int height) {
  return {5, 30, width - 10, height - 35};
}

}  // namespace korvale::res
