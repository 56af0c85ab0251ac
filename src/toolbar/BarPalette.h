#pragma once

#include <cstdint>

namespace korvale::toolbar {

enum class Colour { kFace, kHighlight, kShadow, kLight3d };

// The colours the bar draws with, each a 32-bit value in the front end's own
// encoding; the bar only compares them.
struct Palette {
  std::uint32_t face = 0;
  std::uint32_t highlight = 0;
  std::uint32_t shadow = 0;
  std::uint32_t light3d = 0;

  // The system's button colours; a 3-D light equal to the face would not
  // show, so the highlight stands in for it.
  [[nodiscard]] static Palette FromSystem(std::uint32_t face, std::uint32_t highlight,
                                          std::uint32_t shadow, std::uint32_t light3d) {
    return {face, highlight, shadow, light3d == face ? highlight : light3d};
  }

  [[nodiscard]] std::uint32_t Of(Colour c) const {
    switch (c) {
      case Colour::kFace: return face;
      case Colour::kHighlight: return highlight;
      case Colour::kShadow: return shadow;
      case Colour::kLight3d: return light3d;
    }
    return face;
  }
};

}  // namespace korvale::toolbar
