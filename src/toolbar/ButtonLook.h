#pragma once

#include <vector>

#include "BarGeometry.h"
#include "BarPalette.h"

namespace korvale::toolbar {

// A one-pixel frame: top and left sides in one colour, right and bottom in
// the other. Raised is (highlight, shadow), sunken or etched (shadow,
// highlight).
struct Edge {
  Rect rect;
  Colour topLeft;
  Colour bottomRight;
  bool operator==(const Edge&) const = default;
};

// How one button is drawn: filled, framed by its edges in order, its image
// at a place, and embossed when its command is disabled.
struct ButtonLook {
  Colour fill = Colour::kFace;
  std::vector<Edge> edges;
  Point image;
  bool embossed = false;
  bool operator==(const ButtonLook&) const = default;
};

}  // namespace korvale::toolbar
