#include "ToolBarImageList.h"

#include <QPainter>

namespace {

// The four greys mapped to the bar's colours, the face left transparent.
QImage Mapped(const QImage& bitmap, const korvale::toolbar::Palette& palette, QRgb text) {
  QImage out = bitmap.convertToFormat(QImage::Format_RGB32);
  const QRgb from[] = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192),
                       qRgb(255, 255, 255)};
  const QRgb to[] = {text, palette.shadow, palette.face, palette.highlight};
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = line[x] | 0xff000000u;
      for (int i = 0; i < 4; ++i) {
        if (p == from[i]) {
          line[x] = to[i];
          break;
        }
      }
    }
  }
  out = out.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = palette.face | 0xff000000u;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] | 0xff000000u) == key) line[x] = 0;
    }
  }
  return out;
}

}  // namespace

ToolBarImageList ToolBarImageList::Cut(const QImage& bitmap, QSize imageSize,
                                       const korvale::toolbar::Palette& palette, QRgb text) {
  ToolBarImageList list;
  if (imageSize.isEmpty()) return list;
  const QImage source = Mapped(bitmap, palette, text);
  for (int left = 0; left + imageSize.width() <= source.width(); left += imageSize.width()) {
    list.images_.append(source.copy(QRect(QPoint(left, 0), imageSize)));
  }
  return list;
}

void ToolBarImageList::Draw(QPainter& painter, int index, QPoint at) const {
  if (index < 0 || index >= Count()) return;
  painter.drawImage(at, images_[index]);
}
