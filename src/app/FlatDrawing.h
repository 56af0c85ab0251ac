#pragma once

#include <QColor>
#include <QRect>

class QImage;
class QPainter;

// Drawing primitives of the flat tool bar. Rectangles are given as left, top,
// right, bottom with right and bottom exclusive, as the bar computes them.
struct EdgeRect {
  int left, top, right, bottom;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  static EdgeRect Of(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  }
};

// A one-pixel frame: top and left in topLeft, right and bottom in bottomRight.
void DrawEdge(QPainter& painter, const EdgeRect& r, QColor topLeft, QColor bottomRight);

// Redraws the pixels of `area` that are neither face nor highlight as an
// embossed shape: highlight one pixel right and down, shadow in place, on a
// face-coloured ground. `surface` is what `painter` draws on; it is read to
// find the shape.
void Emboss(QPainter& painter, const QImage& surface, const QRect& area, QColor face,
            QColor highlight, QColor shadow);
