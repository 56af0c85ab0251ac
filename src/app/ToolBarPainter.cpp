#include "ToolBarPainter.h"

#include <QImage>
#include <QPainter>

using korvale::toolbar::Colour;

namespace {

// The shape's pixels (neither background colour) in `ink`, transparent elsewhere.
QImage Stencil(const QImage& area, QRgb background0, QRgb background1, QColor ink) {
  QImage out(area.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  const QRgb b0 = background0 | 0xff000000u;
  const QRgb b1 = background1 | 0xff000000u;
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) {
      const QRgb p = area.pixel(x, y) | 0xff000000u;
      if (p != b0 && p != b1) out.setPixel(x, y, ink.rgb() | 0xff000000u);
    }
  }
  return out;
}

}  // namespace

void QtToolBarPainter::Fill(const korvale::toolbar::Rect& r, Colour colour) {
  painter_.fillRect(ToQRect(r), Of(colour));
}

void QtToolBarPainter::DrawImage(int index, korvale::toolbar::Point at, Colour /*ground*/) {
  images_.Draw(painter_, index, QPoint(at.x, at.y));
}

void QtToolBarPainter::Emboss(const korvale::toolbar::Rect& r,
                              const korvale::toolbar::Embossing& how) {
  const QRect area = ToQRect(r);
  const QImage original = surface_.copy(area);
  painter_.fillRect(area, Of(how.ground));
  for (const auto& stamp : how.stamps) {
    const QImage shape = Stencil(original, palette_.Of(how.background[0]),
                                 palette_.Of(how.background[1]), Of(stamp.colour));
    painter_.drawImage(area.topLeft() + QPoint(stamp.offset.x, stamp.offset.y), shape);
  }
}
