#include "FlatDrawing.h"

#include <QImage>
#include <QPainter>

void DrawEdge(QPainter& painter, const EdgeRect& r, QColor topLeft, QColor bottomRight) {
  const int cx = r.Width();
  const int cy = r.Height();
  if (cx <= 0 || cy <= 0) return;
  // Top and left stop one short of the far corner; right and bottom run full length.
  painter.fillRect(QRect(r.left, r.top, cx - 1, 1), topLeft);
  painter.fillRect(QRect(r.left, r.top, 1, cy - 1), topLeft);
  painter.fillRect(QRect(r.right - 1, r.top, 1, cy), bottomRight);
  painter.fillRect(QRect(r.left, r.bottom - 1, cx, 1), bottomRight);
}

namespace {

// The shape's pixels painted in one colour, transparent elsewhere.
QImage Stencil(const QImage& area, QColor face, QColor highlight, QColor ink) {
  QImage out(area.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  const QRgb faceRgb = face.rgb() | 0xff000000u;
  const QRgb highRgb = highlight.rgb() | 0xff000000u;
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) {
      const QRgb p = area.pixel(x, y) | 0xff000000u;
      if (p != faceRgb && p != highRgb) out.setPixel(x, y, ink.rgb() | 0xff000000u);
    }
  }
  return out;
}

}  // namespace

void Emboss(QPainter& painter, const QImage& surface, const QRect& area, QColor face,
            QColor highlight, QColor shadow) {
  const QImage original = surface.copy(area);
  painter.fillRect(area, face);
  painter.drawImage(area.topLeft() + QPoint(1, 1), Stencil(original, face, highlight, highlight));
  painter.drawImage(area.topLeft(), Stencil(original, face, highlight, shadow));
}
