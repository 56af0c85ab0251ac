#include "ToolBarColors.h"

#include <QImage>
#include <QPalette>

ToolBarColors ToolBarColors::FromPalette(const QPalette& palette) {
  const auto group = QPalette::Active;
  ToolBarColors c;
  c.face = palette.color(group, QPalette::Button);
  c.highlight = palette.color(group, QPalette::Light);
  c.shadow = palette.color(group, QPalette::Dark);
  c.light3d = palette.color(group, QPalette::Midlight);
  c.text = palette.color(group, QPalette::ButtonText);
  if (c.light3d.rgb() == c.face.rgb()) c.light3d = c.highlight;
  return c;
}

QImage MapButtonColors(const QImage& bitmap, const ToolBarColors& colors) {
  QImage out = bitmap.convertToFormat(QImage::Format_RGB32);
  const QRgb from[] = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192),
                       qRgb(255, 255, 255)};
  const QRgb to[] = {colors.text.rgb(), colors.shadow.rgb(), colors.face.rgb(),
                     colors.highlight.rgb()};
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
  return out;
}
