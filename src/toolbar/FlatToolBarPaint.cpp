// How the flat tool bar draws: the buttons' looks, the etched separators
// and the gripper, through the front end's primitives.
#include "FlatToolBar.h"

namespace korvale::toolbar {

namespace {

// Top and left stop one short of the far corner; right and bottom run full length.
void DrawEdge(BarPainter& painter, const Edge& e) {
  const Rect& r = e.rect;
  if (r.IsEmpty()) return;
  painter.Fill({r.left, r.top, r.right - 1, r.top + 1}, e.topLeft);
  painter.Fill({r.left, r.top, r.left + 1, r.bottom - 1}, e.topLeft);
  painter.Fill({r.right - 1, r.top, r.right, r.bottom}, e.bottomRight);
  painter.Fill({r.left, r.bottom - 1, r.right, r.bottom}, e.bottomRight);
}

}  // namespace

ButtonLook FlatToolBar::LookOf(const Button& b, Point cursor) const {
  const bool checked = b.IsChecked();
  const bool enabled = b.IsEnabled();
  const bool hot = b.rect.Contains(cursor);
  ButtonLook look;
  look.fill = checked && !hot ? Colour::kLight3d : Colour::kFace;
  if (checked) {
    look.edges.push_back({b.rect, Colour::kShadow, Colour::kHighlight});
    if (!hot) look.edges.push_back({b.rect.Shrunk(1), Colour::kFace, Colour::kFace});
  } else if (enabled && hot) {
    look.edges.push_back({b.rect, Colour::kHighlight, Colour::kShadow});
  } else if (enabled) {
    look.edges.push_back({b.rect, Colour::kFace, Colour::kFace});
  }
  const int d = checked ? 1 : 0;
  look.image = {b.rect.left + (b.rect.Width() - imageSize_.width) / 2 + d,
                b.rect.top + ImageOffset().y + d};
  look.embossed = !enabled;
  return look;
}

void FlatToolBar::Paint(BarPainter& painter, const Rect& update, Point cursor) const {
  if (update.IsEmpty()) return;
  for (const Button& b : buttons_) {
    if (b.IsSeparator()) {
      PaintSeparator(painter, b);
      continue;
    }
    if (!b.rect.Intersects(update)) continue;
    const ButtonLook look = LookOf(b, cursor);
    painter.Fill(b.rect, look.fill);
    for (const Edge& e : look.edges) DrawEdge(painter, e);
    painter.DrawImage(b.image, look.image, look.fill);
    if (look.embossed) painter.Emboss(b.rect, kEmbossing);
  }
}

void FlatToolBar::PaintSeparator(BarPainter& painter, const Button& b) const {
  if (b.rect.Width() > kMaxDrawnSeparator) return;
  const int mid = (b.rect.left + b.rect.right) / 2;
  DrawEdge(painter,
           {{mid - 1, b.rect.top, mid + 1, b.rect.bottom}, Colour::kShadow, Colour::kHighlight});
}

void FlatToolBar::PaintFrame(BarPainter& painter, const Rect& window) const {
  painter.Fill(window, Colour::kFace);
  Rect bar = window.Shrunk(kGripperInset);
  bar.right = bar.left + kGripperBar;
  for (int i = 0; i < 2; ++i) {
    DrawEdge(painter, {bar, Colour::kHighlight, Colour::kShadow});
    bar = bar.Moved(kGripperBar, 0);
  }
}

}  // namespace korvale::toolbar
