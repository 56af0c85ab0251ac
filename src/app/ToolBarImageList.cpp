#include "ToolBarImageList.h"

#include <QPainter>

ToolBarImageList ToolBarImageList::FromBitmap(const QImage& bitmap, QSize imageSize,
                                              QColor transparent) {
  QList<QImage> images;
  if (imageSize.isEmpty()) return ToolBarImageList(images);
  const QImage source = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparent.rgb() | 0xff000000u;
  for (int left = 0; left + imageSize.width() <= source.width(); left += imageSize.width()) {
    QImage image = source.copy(QRect(QPoint(left, 0), imageSize));
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if ((line[x] | 0xff000000u) == key) line[x] = 0;
      }
    }
    images.append(image);
  }
  return ToolBarImageList(images);
}

void ToolBarImageList::Draw(QPainter& painter, int index, QPoint at) const {
  if (index < 0 || index >= Count()) return;
  painter.drawImage(at, images_[index]);
}
