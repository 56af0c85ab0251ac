#pragma once

#include "BarGeometry.h"

// The flat tool bar's measures, in pixels and milliseconds.
namespace korvale::toolbar {

inline constexpr int kHoverInterval = 250;
inline constexpr int kButtonPadding = 7;  // a button is this much wider and taller than its image
inline constexpr int kSeparatorWidth = 8;
inline constexpr int kMaxDrawnSeparator = 8;  // a wider separator is left blank
// The border around the buttons: along each side, and at each end, of the bar.
inline constexpr int kSideBorder = 2;
inline constexpr int kEndBorder = 6;
// The buttons move right by this much to leave room for the gripper.
inline constexpr int kGripperRoom = 4;
// The gripper's two raised bars, this far in from the window's edges, each this wide.
inline constexpr int kGripperInset = 4;
inline constexpr int kGripperBar = 3;

// Where the buttons lie inside the bar's window.
[[nodiscard]] inline Rect ClientArea(const Rect& window) {
  return {window.left + kEndBorder + kGripperRoom, window.top + kSideBorder,
          window.right - kEndBorder + kGripperRoom, window.bottom - kSideBorder};
}

[[nodiscard]] inline Size ButtonSizeFor(Size image) {
  return {image.width + kButtonPadding, image.height + kButtonPadding};
}

}  // namespace korvale::toolbar
