// Painting of CToolBarEx. The bar paints into a surface image that keeps its
// pixels between paints, so that parts repainted without erasing keep what
// was there, and so that disabled images can be embossed from what was drawn.
#include <QPaintEvent>
#include <QPainter>

#include "CToolBarEx.h"
#include "ToolBarPainter.h"

void CToolBarEx::ResetSurface() {
  surface_ = QImage(size(), QImage::Format_RGB32);
  surface_.fill(QColor::fromRgba(bar_.Colours().face));
}

void CToolBarEx::resizeEvent(QResizeEvent* e) {
  ResetSurface();
  erase_ = noErase_ = QRegion();
  QWidget::resizeEvent(e);
}

void CToolBarEx::paintEvent(QPaintEvent* e) {
  if (surface_.size() != size()) ResetSurface();
  const QRegion& region = e->region();
  {
    QPainter p(&surface_);
    const QColor face = QColor::fromRgba(bar_.Colours().face);
    for (const QRect& r : region - (noErase_ - erase_)) p.fillRect(r, face);
    erase_ -= region;
    noErase_ -= region;
    QtToolBarPainter painter(p, surface_, bar_.Colours(), images_);
    p.setClipRegion(region - ClientRect());
    bar_.PaintFrame(painter, FromQRect(rect()));
    p.setClipRegion(region & ClientRect());
    const QPoint cursor = mapFromGlobal(CursorPos());
    bar_.Paint(painter, FromQRect(e->rect()), {cursor.x(), cursor.y()});
  }
  QPainter window(this);
  for (const QRect& r : region) window.drawImage(r, surface_, r);
}
