#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "BarButton.h"
#include "BarHost.h"
#include "BarMetrics.h"
#include "BarPainter.h"
#include "BarPalette.h"
#include "ButtonLook.h"

namespace korvale::toolbar {

// The flat tool bar without a toolkit: its buttons and their states, hot
// tracking under the mouse with the hover timer, and how every part is
// drawn. A button shows an edge only while the mouse is over it; checked
// buttons are sunken, disabled ones embossed; separators are etched lines
// and a gripper marks the leading edge. A front end forwards its window's
// events here and draws through a BarPainter.
class FlatToolBar {
 public:
  struct CommandState {
    bool enabled = false;
    bool checked = false;
  };

  explicit FlatToolBar(BarHost& host) : host_(host) {}

  // Buttons for `items`, command ids with 0 for a separator: images in
  // order, every button enabled, separators kSeparatorWidth wide.
  void SetItems(std::span<const int> items);
  // The buttons as the window holds them, when it keeps its own.
  void SetButtons(std::vector<Button> buttons) { buttons_ = std::move(buttons); }
  [[nodiscard]] const std::vector<Button>& Buttons() const { return buttons_; }
  [[nodiscard]] int IndexOf(int commandId) const;
  // The button (not a separator) under `p`, or -1.
  [[nodiscard]] int ButtonAt(Point p) const;

  void SetSizes(Size button, Size image);
  [[nodiscard]] Size ButtonSize() const { return buttonSize_; }
  [[nodiscard]] Size ImageSize() const { return imageSize_; }
  // Where an image sits in a button of the bar's button size.
  [[nodiscard]] Point ImageOffset() const;
  // Lays the buttons out side by side from `origin`, separators as wide as
  // they are.
  void Layout(Point origin);
  // The window size that holds the buttons and the borders.
  [[nodiscard]] Size BarSize() const;

  void SetPalette(const Palette& palette) { palette_ = palette; }
  [[nodiscard]] const Palette& Colours() const { return palette_; }

  // The idle-time update: takes each button's state from its command and
  // repaints, with erasing, the buttons whose style and state changed.
  // Returns their indexes.
  std::vector<int> UpdateStates(const std::function<CommandState(int index)>& stateOf);
  void SetPressed(int index, bool pressed);

  // The mouse moved to `p`: the enabled button under it becomes hot, and
  // the hover timer starts again.
  void MouseMove(Point p);
  // A timer's tick. Returns false when it is not the hover timer's while a
  // button is hot: the window's own handling takes it.
  bool Tick(std::uintptr_t timer);
  [[nodiscard]] int HotIndex() const { return hot_; }
  [[nodiscard]] std::uintptr_t HoverTimer() const { return hoverTimer_; }

  // The command whose prompt the status bar shows, 0 for none: it follows
  // the pointer. Returns whether it changed.
  bool PromptFor(int commandId);
  [[nodiscard]] int CommandAt(Point p) const;

  // The window's border: the face colour and the gripper.
  void PaintFrame(BarPainter& painter, const Rect& window) const;
  // The buttons that meet `update`, and every separator; `cursor` in the
  // buttons' coordinates decides which button looks hot.
  void Paint(BarPainter& painter, const Rect& update, Point cursor) const;
  [[nodiscard]] ButtonLook LookOf(const Button& b, Point cursor) const;

 private:
  void PaintSeparator(BarPainter& painter, const Button& b) const;

  BarHost& host_;
  std::vector<Button> buttons_;
  Size buttonSize_;
  Size imageSize_;
  Palette palette_;
  int hot_ = -1;
  std::uintptr_t hoverTimer_ = 0;
  int prompt_ = 0;
};

}  // namespace korvale::toolbar
