#pragma once

#include <windows.h>

#include <commctrl.h>

#include "BarPainter.h"

[[nodiscard]] inline RECT ToRECT(const korvale::toolbar::Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
[[nodiscard]] inline korvale::toolbar::Rect FromRECT(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// Draws the flat tool bar with GDI on a device context; the bar's palette
// holds COLORREF values.
class Win32ToolBarPainter : public korvale::toolbar::BarPainter {
 public:
  Win32ToolBarPainter(HDC dc, const korvale::toolbar::Palette& palette, HIMAGELIST images)
      : dc_(dc), palette_(palette), images_(images) {}

  void Fill(const korvale::toolbar::Rect& r, korvale::toolbar::Colour colour) override;
  void DrawImage(int index, korvale::toolbar::Point at, korvale::toolbar::Colour ground) override;
  void Emboss(const korvale::toolbar::Rect& r, const korvale::toolbar::Embossing& how) override;

 private:
  [[nodiscard]] COLORREF Of(korvale::toolbar::Colour colour) const { return palette_.Of(colour); }
  void Stamp(HDC mask, const korvale::toolbar::Rect& r, const korvale::toolbar::Embossing& how);

  HDC dc_;
  const korvale::toolbar::Palette& palette_;
  HIMAGELIST images_;
};
