#pragma once

#include <QColor>

class QImage;
class QPalette;

// The colours the flat bar draws with, taken from the palette's active group:
//   face      <- QPalette::Button
//   highlight <- QPalette::Light
//   shadow    <- QPalette::Dark
//   light3d   <- QPalette::Midlight, or the highlight when it equals the face
//   text      <- QPalette::ButtonText
struct ToolBarColors {
  QColor face;
  QColor highlight;
  QColor shadow;
  QColor light3d;
  QColor text;

  static ToolBarColors FromPalette(const QPalette& palette);
};

// A tool bar bitmap is drawn in the classic 16-colour greys: light grey
// background, dark grey shading, white highlights and black outlines. This
// maps those four to the given colours, as the bar's bitmap is loaded.
QImage MapButtonColors(const QImage& bitmap, const ToolBarColors& colors);
