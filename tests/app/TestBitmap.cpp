#include "TestBitmap.h"

#include <QPainter>
#include <QPolygon>

namespace {

QImage BlankBitmap() {
  QImage bitmap(4 * kImageWidth, kImageHeight, QImage::Format_RGB32);
  bitmap.fill(QColor(192, 192, 192));
  return bitmap;
}

void DrawFolder(QPainter& p, int left) {
  p.setPen(Qt::black);
  p.setBrush(QColor(255, 255, 0));
  p.drawRect(left + 5, 9, 21, 14);
  p.drawRect(left + 5, 6, 8, 3);
  p.setPen(QColor(128, 128, 128));
  p.drawLine(left + 6, 22, left + 25, 22);
}

void DrawArrow(QPainter& p, int left, bool pointsLeft) {
  const int tip = pointsLeft ? left + 6 : left + 25;
  const int base = pointsLeft ? left + 16 : left + 15;
  const int tail = pointsLeft ? left + 25 : left + 6;
  QPolygon arrow;
  arrow << QPoint(tip, 15) << QPoint(base, 6) << QPoint(base, 11) << QPoint(tail, 11)
        << QPoint(tail, 19) << QPoint(base, 19) << QPoint(base, 24);
  p.setPen(Qt::black);
  p.setBrush(QColor(0, 0, 128));
  p.drawPolygon(arrow);
}

void DrawQuestion(QPainter& p, int left) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(left + 11, 5, 10, 3);
  p.drawRect(left + 19, 7, 3, 7);
  p.drawRect(left + 15, 13, 6, 3);
  p.drawRect(left + 15, 15, 3, 4);
  p.drawRect(left + 15, 21, 3, 3);
  p.drawRect(left + 10, 7, 3, 3);
}

}  // namespace

QImage SquaresBitmap() {
  QImage bitmap = BlankBitmap();
  QPainter p(&bitmap);
  for (int i = 0; i < 4; ++i) p.fillRect(kSquare.translated(i * kImageWidth, 0), Qt::black);
  return bitmap;
}

QImage IconBitmap() {
  QImage bitmap = BlankBitmap();
  QPainter p(&bitmap);
  DrawFolder(p, 0);
  DrawArrow(p, kImageWidth, true);
  DrawArrow(p, 2 * kImageWidth, false);
  DrawQuestion(p, 3 * kImageWidth);
  return bitmap;
}
