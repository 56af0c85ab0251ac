#pragma once

#include <QImage>
#include <QList>
#include <QSize>

#include "BarPalette.h"

class QPainter;

// The bar's button images, of equal size, drawn transparently.
class ToolBarImageList {
 public:
  ToolBarImageList() = default;

  // Cuts `bitmap` into images of `imageSize`, left to right. The bitmap is
  // drawn in the classic 16-colour greys: its black, dark grey, light grey
  // and white become `text`, the shadow, the face and the highlight, and the
  // face is transparent.
  static ToolBarImageList Cut(const QImage& bitmap, QSize imageSize,
                              const korvale::toolbar::Palette& palette, QRgb text);

  [[nodiscard]] int Count() const { return int(images_.size()); }
  void Draw(QPainter& painter, int index, QPoint at) const;

 private:
  QList<QImage> images_;
};
