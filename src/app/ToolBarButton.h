#pragma once

#include <QAction>
#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>

// One entry of a tool bar layout: a command with its action, or a separator.
struct ToolBarItem {
  int commandId = 0;          // 0 marks a separator
  QAction* action = nullptr;  // triggered by a click; supplies enable, check, tip and prompt
  int separatorWidth = 8;     // used by separators only

  static ToolBarItem Separator(int width = 8) { return {0, nullptr, width}; }
};

// Button style (low 16 bits of the style-and-state word).
namespace ButtonStyle {
inline constexpr std::uint16_t kButton = 0x00;
inline constexpr std::uint16_t kSeparator = 0x01;
inline constexpr std::uint16_t kCheck = 0x02;
}  // namespace ButtonStyle

// Button state (high 16 bits of the style-and-state word).
namespace ButtonState {
inline constexpr std::uint16_t kChecked = 0x01;
inline constexpr std::uint16_t kPressed = 0x02;
inline constexpr std::uint16_t kEnabled = 0x04;
inline constexpr std::uint16_t kHidden = 0x08;
inline constexpr std::uint16_t kWrap = 0x20;
}  // namespace ButtonState

struct ToolBarButton {
  int commandId = 0;
  QPointer<QAction> action;
  int image = -1;  // index into the image list; separator width for separators
  std::uint16_t style = 0;
  std::uint16_t state = 0;
  QString caption;
  QRect rect;  // widget coordinates

  bool IsSeparator() const { return (style & ButtonStyle::kSeparator) != 0; }
  bool IsEnabled() const { return (state & ButtonState::kEnabled) != 0; }
  bool IsHidden() const { return (state & ButtonState::kHidden) != 0; }
  bool IsChecked() const { return (state & (ButtonState::kChecked | ButtonState::kPressed)) != 0; }
  std::uint32_t Word() const { return std::uint32_t(style) | (std::uint32_t(state) << 16); }
};
