#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>

class QPainter;

// Button images of equal size, drawn transparently.
class ToolBarImageList {
 public:
  ToolBarImageList() = default;
  explicit ToolBarImageList(QList<QImage> images) : images_(std::move(images)) {}

  // Cuts the bitmap into images of the given size, left to right; pixels of
  // the transparent colour become transparent.
  static ToolBarImageList FromBitmap(const QImage& bitmap, QSize imageSize, QColor transparent);

  int Count() const { return int(images_.size()); }
  QImage Image(int index) const {
    return index >= 0 && index < Count() ? images_[index] : QImage();
  }
  void Draw(QPainter& painter, int index, QPoint at) const;

 private:
  QList<QImage> images_;
};
