#pragma once

#include <array>

#include "BarGeometry.h"
#include "BarPalette.h"

namespace korvale::toolbar {

// How a disabled button is embossed. The pixels of neither background colour
// form the shape; the button is filled with the ground colour, then the
// shape is stamped in each stamp's colour at its offset, in order.
struct Embossing {
  struct Stamp {
    Colour colour;
    Point offset;
  };
  std::array<Colour, 2> background;
  Colour ground;
  std::array<Stamp, 2> stamps;
};

inline constexpr Embossing kEmbossing{{Colour::kFace, Colour::kHighlight},
                                      Colour::kFace,
                                      {{{Colour::kHighlight, {1, 1}}, {Colour::kShadow, {0, 0}}}}};

// The drawing primitives a front end gives the bar.
class BarPainter {
 public:
  virtual void Fill(const Rect& r, Colour colour) = 0;
  // Image `index` drawn transparently at `at`, over a button filled with `ground`.
  virtual void DrawImage(int index, Point at, Colour ground) = 0;
  // Redraws what is drawn in `r` as `how` says.
  virtual void Emboss(const Rect& r, const Embossing& how) = 0;

 protected:
  ~BarPainter() = default;
};

}  // namespace korvale::toolbar
