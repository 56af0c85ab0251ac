#include "FlatToolBar.h"

namespace korvale::toolbar {

void FlatToolBar::SetItems(std::span<const int> items) {
  buttons_.clear();
  int image = 0;
  for (const int id : items) {
    Button b;
    if (id == 0) {
      b.style = ButtonStyle::kSeparator;
      b.image = kSeparatorWidth;
    } else {
      b.commandId = id;
      b.image = image++;
      b.state = ButtonState::kEnabled;
    }
    buttons_.push_back(b);
  }
  hot_ = -1;
  prompt_ = 0;
}

int FlatToolBar::IndexOf(int commandId) const {
  for (int i = 0; i < int(buttons_.size()); ++i) {
    if (!buttons_[i].IsSeparator() && buttons_[i].commandId == commandId) return i;
  }
  return -1;
}

int FlatToolBar::ButtonAt(Point p) const {
  for (int i = 0; i < int(buttons_.size()); ++i) {
    if (!buttons_[i].IsSeparator() && buttons_[i].rect.Contains(p)) return i;
  }
  return -1;
}

int FlatToolBar::CommandAt(Point p) const {
  const int index = ButtonAt(p);
  return index < 0 ? 0 : buttons_[index].commandId;
}

void FlatToolBar::SetSizes(Size button, Size image) {
  buttonSize_ = button;
  imageSize_ = image;
}

Point FlatToolBar::ImageOffset() const {
  return {(buttonSize_.width - imageSize_.width) / 2, (buttonSize_.height - imageSize_.height) / 2};
}

void FlatToolBar::Layout(Point origin) {
  int x = origin.x;
  for (Button& b : buttons_) {
    const int width = b.IsSeparator() ? b.image : buttonSize_.width;
    b.rect = {x, origin.y, x + width, origin.y + buttonSize_.height};
    x += width;
  }
}

Size FlatToolBar::BarSize() const {
  int along = 0;
  for (const Button& b : buttons_) along += b.IsSeparator() ? b.image : buttonSize_.width;
  return {kEndBorder + along + kEndBorder, kSideBorder + buttonSize_.height + kSideBorder};
}

std::vector<int> FlatToolBar::UpdateStates(const std::function<CommandState(int index)>& stateOf) {
  std::vector<int> changed;
  for (int i = 0; i < int(buttons_.size()); ++i) {
    Button& b = buttons_[i];
    if (b.IsSeparator()) continue;
    const std::uint32_t before = b.Word();
    const CommandState state = stateOf(i);
    b.Set(ButtonState::kEnabled, state.enabled);
    b.Set(ButtonState::kChecked, state.checked);
    if (b.Word() != before) changed.push_back(i);
  }
  for (const int i : changed) host_.Invalidate(buttons_[i].rect, true);
  return changed;
}

void FlatToolBar::SetPressed(int index, bool pressed) {
  buttons_[index].Set(ButtonState::kPressed, pressed);
  host_.Invalidate(buttons_[index].rect, true);
}

void FlatToolBar::MouseMove(Point p) {
  const int oldHot = hot_;
  hot_ = -1;
  for (int i = 0; i < int(buttons_.size()); ++i) {
    const Button& b = buttons_[i];
    if (b.IsSeparator() || !b.IsEnabled()) continue;
    if (b.rect.Contains(p)) {
      if (i != oldHot) host_.Invalidate(b.rect, false);
      hot_ = i;
    } else if (i == oldHot) {
      host_.Invalidate(b.rect, false);
    }
  }
  if (hoverTimer_ != 0) host_.StopHoverTimer(hoverTimer_);
  hoverTimer_ = host_.StartHoverTimer(kHoverInterval);
}

bool FlatToolBar::Tick(std::uintptr_t timer) {
  if (hoverTimer_ == 0 || timer != hoverTimer_ || hot_ < 0) return false;
  if (host_.CursorInWindow()) return true;
  host_.Invalidate(buttons_[hot_].rect, false);
  hot_ = -1;
  host_.StopHoverTimer(hoverTimer_);
  hoverTimer_ = 0;
  return true;
}

bool FlatToolBar::PromptFor(int commandId) {
  if (commandId == prompt_) return false;
  prompt_ = commandId;
  return true;
}

}  // namespace korvale::toolbar
