#pragma once

#include <cstdint>

#include "BarGeometry.h"

namespace korvale::toolbar {

// Button style (low 16 bits of the style-and-state word), as the Win32
// tool-bar control has it.
namespace ButtonStyle {
inline constexpr std::uint16_t kButton = 0x00;
inline constexpr std::uint16_t kSeparator = 0x01;
}  // namespace ButtonStyle

// Button state (high 16 bits of the style-and-state word).
namespace ButtonState {
inline constexpr std::uint16_t kChecked = 0x01;
inline constexpr std::uint16_t kPressed = 0x02;
inline constexpr std::uint16_t kEnabled = 0x04;
}  // namespace ButtonState

struct Button {
  int commandId = 0;  // 0 for a separator
  int image = -1;     // index into the images; a separator's width
  std::uint16_t style = ButtonStyle::kButton;
  std::uint16_t state = 0;
  Rect rect;  // in the coordinates the bar paints in

  [[nodiscard]] bool IsSeparator() const { return (style & ButtonStyle::kSeparator) != 0; }
  [[nodiscard]] bool IsEnabled() const { return (state & ButtonState::kEnabled) != 0; }
  // Checked or pressed: drawn sunken.
  [[nodiscard]] bool IsChecked() const {
    return (state & (ButtonState::kChecked | ButtonState::kPressed)) != 0;
  }
  [[nodiscard]] std::uint32_t Word() const {
    return std::uint32_t(style) | (std::uint32_t(state) << 16);
  }
  void Set(std::uint16_t flag, bool on) {
    state = static_cast<std::uint16_t>(on ? (state | flag) : (state & ~flag));
  }
};

}  // namespace korvale::toolbar
