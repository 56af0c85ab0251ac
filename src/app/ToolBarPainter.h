#pragma once

#include <QColor>
#include <QRect>

#include "BarPainter.h"
#include "ToolBarImageList.h"

class QImage;
class QPainter;

[[nodiscard]] inline QRect ToQRect(const korvale::toolbar::Rect& r) {
  return {r.left, r.top, r.Width(), r.Height()};
}
[[nodiscard]] inline korvale::toolbar::Rect FromQRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Draws the flat tool bar with a QPainter on `surface`, which the embossing
// reads back to find the shape of a disabled button.
class QtToolBarPainter : public korvale::toolbar::BarPainter {
 public:
  QtToolBarPainter(QPainter& painter, const QImage& surface,
                   const korvale::toolbar::Palette& palette, const ToolBarImageList& images)
      : painter_(painter), surface_(surface), palette_(palette), images_(images) {}

  void Fill(const korvale::toolbar::Rect& r, korvale::toolbar::Colour colour) override;
  void DrawImage(int index, korvale::toolbar::Point at, korvale::toolbar::Colour ground) override;
  void Emboss(const korvale::toolbar::Rect& r, const korvale::toolbar::Embossing& how) override;

 private:
  [[nodiscard]] QColor Of(korvale::toolbar::Colour colour) const {
    return QColor::fromRgba(palette_.Of(colour));
  }

  QPainter& painter_;
  const QImage& surface_;
  const korvale::toolbar::Palette& palette_;
  const ToolBarImageList& images_;
};
