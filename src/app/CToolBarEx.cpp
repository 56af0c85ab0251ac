#include "CToolBarEx.h"

#include <QAction>
#include <QCursor>
#include <QFontDatabase>

#include "ToolBarAccessible.h"

namespace {

constexpr int kTopBorder = 2;  // along the sides of the bar
constexpr int kEndBorder = 6;  // at each end of the bar
constexpr int kGripperRoomHorz = 4;
constexpr int kGripperRoomVert = 6;
const QSize kButtonPadding(7, 7);

// The stock dialog font, sized down for captions under the images.
QFont CaptionFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (font.family().isEmpty()) {
    font = QFont(QStringLiteral("MS Sans Serif"));
    font.setWeight(QFont::Normal);
  }
  font.setPixelSize(6);
  return font;
}

}  // namespace

CToolBarEx::CToolBarEx(QWidget* parent, int id) : QWidget(parent), id_(id), owner_(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  flat_ = true;
  ReadColors();
  hot_ = -1;
  hoverTimerId_ = 0;
  ComputeImageOffsets();
  textFont_ = CaptionFont();
  InstallToolBarAccessible();
}

CToolBarEx::~CToolBarEx() = default;

bool CToolBarEx::LoadToolBar(const QImage& bitmap, QSize imageSize,
                             const QList<ToolBarItem>& items) {
  if (bitmap.isNull() || imageSize.isEmpty()) return false;
  buttons_.clear();
  int image = 0;
  for (const ToolBarItem& item : items) {
    ToolBarButton b;
    b.commandId = item.commandId;
    if (item.commandId == 0) {
      b.style = ButtonStyle::kSeparator;
      b.image = item.separatorWidth;
    } else {
      b.action = item.action;
      b.image = image++;
      b.style =
          item.action && item.action->isCheckable() ? ButtonStyle::kCheck : ButtonStyle::kButton;
      b.state = ButtonState::kEnabled;
    }
    buttons_.append(b);
  }
  bitmap_ = bitmap;
  mappedBitmap_ = MapButtonColors(bitmap_, colors_);
  hot_ = pressed_ = prompt_ = -1;
  SetSizes(imageSize + kButtonPadding, imageSize);
  UpdateButtons();
  return true;
}

void CToolBarEx::SetSizes(QSize buttonSize, QSize imageSize) {
  buttonSize_ = buttonSize;
  imageSize_ = imageSize;
  ComputeImageOffsets();
  Relayout();
}

void CToolBarEx::SetButtonText(int index, const QString& text) {
  buttons_[index].caption = text;
  update();
}

void CToolBarEx::SetButtonHidden(int index, bool hidden) {
  auto& state = buttons_[index].state;
  state = hidden ? (state | ButtonState::kHidden) : (state & ~ButtonState::kHidden);
  Relayout();
}

void CToolBarEx::SetImageList(std::optional<ToolBarImageList> images) {
  ownImages_ = std::move(images);
  update();
}

void CToolBarEx::SetOrientation(Qt::Orientation orientation) {
  orientation_ = orientation;
  Relayout();
}

void CToolBarEx::SetFloating(bool floating) {
  floating_ = floating;
  update();
}

void CToolBarEx::SetFlat(bool flat) {
  flat_ = flat;
  if (!flat_ && hoverTimerId_ != 0) {
    killTimer(hoverTimerId_);
    hoverTimerId_ = 0;
  }
  hot_ = -1;
  update();
}

int CToolBarEx::CommandToIndex(int commandId) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (buttons_[i].commandId == commandId) return i;
  }
  return -1;
}

void CToolBarEx::ReadColors() {
  colors_ = ToolBarColors::FromPalette(palette());
  if (!bitmap_.isNull()) mappedBitmap_ = MapButtonColors(bitmap_, colors_);
}

void CToolBarEx::ComputeImageOffsets() {
  const int x = (buttonSize_.width() - imageSize_.width()) / 2;
  const int y = HasCaptions() ? kTopBorder : (buttonSize_.height() - imageSize_.height()) / 2;
  imageOffset_ = QPoint(x, y);
}

bool CToolBarEx::HasCaptions() const {
  for (const auto& b : buttons_) {
    if (!b.caption.isEmpty()) return true;
  }
  return false;
}

CToolBarEx::Margins CToolBarEx::Borders() const {
  if (orientation_ == Qt::Horizontal) return {kEndBorder, kTopBorder, kEndBorder, kTopBorder};
  return {kTopBorder, kEndBorder, kTopBorder, kEndBorder};
}

QRect CToolBarEx::ClientRect() const {
  const Margins m = Borders();
  QRect client = rect().adjusted(m.left, m.top, -m.right, -m.bottom);
  if (orientation_ == Qt::Horizontal) return client.translated(kGripperRoomHorz, 0);
  return client.translated(0, kGripperRoomVert);
}

void CToolBarEx::Relayout() {
  const QPoint origin = ClientRect().topLeft();
  const bool vertical = orientation_ == Qt::Vertical;
  int along = 0;
  for (auto& b : buttons_) {
    b.state = vertical ? (b.state | ButtonState::kWrap) : (b.state & ~ButtonState::kWrap);
    if (b.IsHidden()) {
      b.rect = QRect();
    } else if (!b.IsSeparator()) {
      const QPoint at = vertical ? QPoint(0, along) : QPoint(along, 0);
      b.rect = QRect(origin + at, buttonSize_);
      along += vertical ? buttonSize_.height() : buttonSize_.width();
    } else if (vertical) {
      // A wrapped separator sits beside the row it ends; the gap opens below.
      b.rect = QRect(origin + QPoint(buttonSize_.width(), along - buttonSize_.height()),
                     QSize(b.image, buttonSize_.height()));
      along += b.image;
    } else {
      b.rect = QRect(origin + QPoint(along, 0), QSize(b.image, buttonSize_.height()));
      along += b.image;
    }
  }
  updateGeometry();
  update();
}

QSize CToolBarEx::sizeHint() const {
  int along = 0;
  for (const auto& b : buttons_) {
    if (b.IsHidden()) continue;
    if (b.IsSeparator()) {
      along += b.image;
    } else {
      along += orientation_ == Qt::Horizontal ? buttonSize_.width() : buttonSize_.height();
    }
  }
  const Margins m = Borders();
  if (orientation_ == Qt::Horizontal) {
    return {m.left + along + m.right, m.top + buttonSize_.height() + m.bottom};
  }
  return {m.left + buttonSize_.width() + m.right, m.top + along + m.bottom};
}

void CToolBarEx::UpdateButtons() {
  const int count = ButtonCount();
  savedStates_.resize(count);
  for (int i = 0; i < count; ++i) savedStates_[i] = buttons_[i].Word();
  for (auto& b : buttons_) {
    if (b.IsSeparator()) continue;
    const bool enabled = b.action && b.action->isEnabled();
    const bool checked = b.action && b.action->isCheckable() && b.action->isChecked();
    b.state = enabled ? (b.state | ButtonState::kEnabled) : (b.state & ~ButtonState::kEnabled);
    b.state = checked ? (b.state | ButtonState::kChecked) : (b.state & ~ButtonState::kChecked);
  }
  for (int i = 0; i < count; ++i) {
    if (buttons_[i].Word() == savedStates_[i]) continue;
    NotifyButtonStateChanged(this, i);
    if (flat_) {
      InvalidateButton(buttons_[i].rect, true);
    } else {
      update(buttons_[i].rect);
    }
  }
}

void CToolBarEx::InvalidateButton(const QRect& rect, bool erase) {
  if (erase) {
    erase_ += rect;
  } else {
    noErase_ += rect;
  }
  update(rect);
}

QPoint CToolBarEx::CursorPos() const { return QCursor::pos(); }

int CToolBarEx::ButtonAt(QPoint pos) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    const auto& b = buttons_[i];
    if (!b.IsSeparator() && !b.IsHidden() && b.rect.contains(pos)) return i;
  }
  return -1;
}
