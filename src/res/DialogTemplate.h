#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace korvale::res {

// The identifier of controls nobody looks up (labels, frames).
inline constexpr int kStatic = -1;

enum class ControlKind : std::uint8_t {
  Label,         // static text; wraps onto further lines when it does not fit
  Edit,          // one-line edit
  DropDownList,  // combo box whose list is the only way to choose
  ListBox,
  CheckBox,
  GroupBox,  // frame with a caption
  PushButton,
  Icon,         // the application icon
  EtchedFrame,  // etched rectangle without caption
  TabControl,
};

// Control and dialog styles, combined with |.
namespace style {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kReadOnly = 1U << 0;
inline constexpr std::uint32_t kDisabled = 1U << 1;
inline constexpr std::uint32_t kSunken = 1U << 2;  // sunken client edge
inline constexpr std::uint32_t kSorted = 1U << 3;
inline constexpr std::uint32_t kVScroll = 1U << 4;
inline constexpr std::uint32_t kNotify = 1U << 5;
inline constexpr std::uint32_t kBorder = 1U << 6;
inline constexpr std::uint32_t kNoIntegralHeight = 1U << 7;
inline constexpr std::uint32_t kHidden = 1U << 8;
inline constexpr std::uint32_t kCenter = 1U << 9;     // text centred
inline constexpr std::uint32_t kRight = 1U << 10;     // text right-aligned
inline constexpr std::uint32_t kLeftText = 1U << 11;  // check box: text left of the box
inline constexpr std::uint32_t kDefault = 1U << 12;   // default push button
inline constexpr std::uint32_t kTabStop = 1U << 13;
inline constexpr std::uint32_t kAutoHScroll = 1U << 14;
}  // namespace style

// One control: rectangle in dialog units.
struct ControlTemplate {
  int id;
  ControlKind kind;
  std::uint32_t style;
  int x, y, cx, cy;
  std::string_view text;
};

// A dialog or child form. Controls are created in this order, which is
// also the tab order.
struct DialogTemplate {
  int id;
  int cx, cy;
  std::string_view caption;  // empty: a child without caption
  std::string_view fontFace;
  int pointSize;
  std::uint32_t style;  // kHidden: a child window that starts hidden
  std::span<const ControlTemplate> controls;

  [[nodiscard]] constexpr bool StartsVisible() const { return (style & style::kHidden) == 0; }
};

}  // namespace korvale::res
