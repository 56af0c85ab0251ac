// Painting of CToolBarEx. The bar paints into a surface image that keeps its
// pixels between paints, so that parts repainted without erasing keep what
// was there, and so that disabled images can be embossed from what was drawn.
#include <QAction>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionToolButton>

#include "CToolBarEx.h"
#include "FlatDrawing.h"

namespace {

constexpr int kMaxDrawnSeparator = 8;
constexpr int kGripperInset = 4;
constexpr int kGripperBar = 3;

EdgeRect Shrunk(const EdgeRect& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

}  // namespace

void CToolBarEx::resizeEvent(QResizeEvent* e) {
  surface_ = QImage(size(), QImage::Format_RGB32);
  surface_.fill(colors_.face);
  erase_ = noErase_ = QRegion();
  QWidget::resizeEvent(e);
}

void CToolBarEx::paintEvent(QPaintEvent* e) {
  if (surface_.size() != size()) {
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(colors_.face);
  }
  const QRegion& region = e->region();
  {
    QPainter p(&surface_);
    p.setClipRegion(region);
    for (const QRect& r : region - (noErase_ - erase_)) p.fillRect(r, colors_.face);
    erase_ -= region;
    noErase_ -= region;
    PaintNonClient(p);
    p.setClipRegion(region & ClientRect());
    std::optional<ToolBarImageList> images = TakeImageList();
    if (!flat_ || !images) {
      PaintPlain(p, images ? &*images : nullptr);
    } else if (!e->rect().isEmpty()) {
      PaintClient(p, e->rect(), *images);
    }
  }  // a list built for this paint goes with it
  QPainter window(this);
  for (const QRect& r : region) window.drawImage(r, surface_, r);
}

std::optional<ToolBarImageList> CToolBarEx::TakeImageList() {
  imageListBuilt_ = false;
  if (ownImages_) return ownImages_;
  if (mappedBitmap_.isNull()) return std::nullopt;
  imageListBuilt_ = true;
  return ToolBarImageList::FromBitmap(mappedBitmap_, imageSize_, colors_.face);
}

void CToolBarEx::PaintNonClient(QPainter& p) {
  const QRegion border = QRegion(rect()) - ClientRect();
  for (const QRect& r : border) p.fillRect(r, colors_.face);
  if (!flat_ || floating_) return;
  const EdgeRect inner = Shrunk(EdgeRect::Of(rect()), kGripperInset);
  const bool horizontal = orientation_ == Qt::Horizontal;
  EdgeRect bar = inner;
  (horizontal ? bar.right : bar.bottom) = (horizontal ? bar.left : bar.top) + kGripperBar;
  for (int i = 0; i < 2; ++i) {
    DrawEdge(p, bar, colors_.highlight, colors_.shadow);
    if (horizontal) {
      bar.left += kGripperBar;
      bar.right += kGripperBar;
    } else {
      bar.top += kGripperBar;
      bar.bottom += kGripperBar;
    }
  }
}

void CToolBarEx::PaintClient(QPainter& p, const QRect& update, const ToolBarImageList& images) {
  if (HasCaptions()) ComputeImageOffsets();
  const QPoint cursor = mapFromGlobal(CursorPos());
  p.save();
  p.setFont(textFont_);
  const unsigned reply = Notify(ToolBarCustomDraw::kPrePaint, &p, update, 0, 0);
  for (const ToolBarButton& b : buttons_) {
    if (b.IsHidden()) continue;
    if (b.IsSeparator()) {
      if (!((b.state & ButtonState::kWrap) && floating_)) PaintSeparator(p, b);
      continue;
    }
    if (!b.rect.intersects(update)) continue;
    PaintButton(p, b, cursor, images, reply & ToolBarCustomDraw::kNotifyItemDraw);
  }
  p.restore();
  if (reply & ToolBarCustomDraw::kNotifyPostPaint) {
    Notify(ToolBarCustomDraw::kPostPaint, &p, update, 0, 0);
  }
}

void CToolBarEx::PaintButton(QPainter& p, const ToolBarButton& b, QPoint cursor,
                             const ToolBarImageList& images, bool notifyItems) {
  const bool checked = b.IsChecked();
  const bool enabled = b.IsEnabled();
  const bool hot = b.rect.contains(cursor);
  const QColor fill = checked && !hot ? colors_.light3d : colors_.face;
  unsigned itemReply = ToolBarCustomDraw::kDoDefault;
  if (notifyItems) {
    const unsigned state = (enabled ? 0u : unsigned(ToolBarCustomDraw::kDisabled)) |
                           (checked ? unsigned(ToolBarCustomDraw::kChecked) : 0u);
    itemReply = Notify(ToolBarCustomDraw::kItemPrePaint, &p, b.rect, b.commandId, state);
    if (itemReply & ToolBarCustomDraw::kSkipDefault) return;
  }
  PaintFace(p, b, checked, enabled, hot, fill, images);
  if (itemReply & ToolBarCustomDraw::kNotifyPostPaint) {
    Notify(ToolBarCustomDraw::kItemPostPaint, &p, b.rect, b.commandId, 0);
  }
}

void CToolBarEx::PaintFace(QPainter& p, const ToolBarButton& b, bool checked, bool enabled,
                           bool hot, QColor fill, const ToolBarImageList& images) {
  const EdgeRect r = EdgeRect::Of(b.rect);
  p.fillRect(b.rect, fill);
  if (checked) {
    DrawEdge(p, r, colors_.shadow, colors_.highlight);
    if (!hot) DrawEdge(p, Shrunk(r, 1), colors_.face, colors_.face);
  } else if (enabled && hot) {
    DrawEdge(p, r, colors_.highlight, colors_.shadow);
  } else if (enabled) {
    DrawEdge(p, r, colors_.face, colors_.face);
  }
  const int d = checked ? 1 : 0;
  const int xOffset = (b.rect.width() - imageSize_.width()) / 2;
  images.Draw(p, b.image, QPoint(r.left + xOffset + d, r.top + imageOffset_.y() + d));
  if (!b.caption.isEmpty()) {
    const int top = r.top + imageOffset_.y() + imageSize_.height() + 1 + d;
    const QRect text(QPoint(r.left + 3 + d, top), QPoint(r.right - 4 + d, r.bottom - 4 + d));
    p.setPen(Qt::black);
    p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, b.caption);
  }
  if (!enabled) Emboss(p, surface_, b.rect, colors_.face, colors_.highlight, colors_.shadow);
}

void CToolBarEx::PaintSeparator(QPainter& p, const ToolBarButton& b) {
  if (b.rect.width() > kMaxDrawnSeparator) return;
  const EdgeRect r = EdgeRect::Of(b.rect);
  if (orientation_ == Qt::Horizontal) {
    const int mid = (r.left + r.right) / 2;
    DrawEdge(p, {mid - 1, r.top, mid + 1, r.bottom}, colors_.shadow, colors_.highlight);
  } else {
    const int y = (2 * r.bottom + 5) / 2;
    DrawEdge(p, {r.left - buttonSize_.width(), y - 1, r.left, y + 1}, colors_.shadow,
             colors_.highlight);
  }
}

// The bar's look with the flat style switched off: the style's own tool buttons.
void CToolBarEx::PaintPlain(QPainter& p, const ToolBarImageList* images) {
  for (const ToolBarButton& b : buttons_) {
    if (b.IsHidden()) continue;
    QStyleOptionToolButton opt;
    opt.initFrom(this);
    opt.rect = b.rect;
    if (b.IsSeparator()) {
      if (orientation_ == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
      style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &opt, &p, this);
      continue;
    }
    opt.state = QStyle::State_Raised;
    if (b.IsEnabled()) opt.state |= QStyle::State_Enabled;
    if (b.IsChecked()) opt.state |= QStyle::State_Sunken | QStyle::State_On;
    opt.subControls = QStyle::SC_ToolButton;
    opt.toolButtonStyle = Qt::ToolButtonIconOnly;
    opt.iconSize = imageSize_;
    if (images) opt.icon = QIcon(QPixmap::fromImage(images->Image(b.image)));
    style()->drawComplexControl(QStyle::CC_ToolButton, &opt, &p, this);
  }
}

unsigned CToolBarEx::Notify(ToolBarCustomDraw::Stage stage, QPainter* p, const QRect& rect,
                            int spec, unsigned state) {
  auto* target = dynamic_cast<ToolBarCustomDraw*>(owner_.data());
  if (!target) return ToolBarCustomDraw::kDoDefault;
  ToolBarCustomDraw::Notification n{this, id_, stage, p, rect, spec, state};
  return target->ToolBarCustomDrawNotify(n);
}
