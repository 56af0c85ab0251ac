#include "CToolBarExPainter.h"

namespace tb = korvale::toolbar;

namespace {

constexpr DWORD kEmbossRop = 0x00E20746;  // where the source is set, the brush; else the screen

}  // namespace

void Win32ToolBarPainter::Fill(const tb::Rect& r, tb::Colour colour) {
  SetBkColor(dc_, Of(colour));
  const RECT area = ToRECT(r);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

void Win32ToolBarPainter::DrawImage(int index, tb::Point at, tb::Colour ground) {
  SetTextColor(dc_, RGB(0, 0, 0));
  SetBkColor(dc_, Of(ground));
  ImageList_Draw(images_, index, dc_, at.x, at.y, ILD_TRANSPARENT);
}

// Without a mask (the system is out of drawing resources) the button is
// left blank in the ground colour: a disabled button never looks enabled.
void Win32ToolBarPainter::Emboss(const tb::Rect& r, const tb::Embossing& how) {
  HDC memory = CreateCompatibleDC(dc_);
  HBITMAP mask = memory != nullptr ? CreateBitmap(r.Width(), r.Height(), 1, 1, nullptr) : nullptr;
  if (mask == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    Fill(r, how.ground);
    return;
  }
  const HGDIOBJ oldMask = SelectObject(memory, mask);
  Stamp(memory, r, how);
  SelectObject(memory, oldMask);
  DeleteObject(mask);
  DeleteDC(memory);
}

// Pixels of either background colour become white in the mask, all others
// black; the black ones are painted in each stamp's colour.
void Win32ToolBarPainter::Stamp(HDC mask, const tb::Rect& r, const tb::Embossing& how) {
  const int w = r.Width();
  const int h = r.Height();
  PatBlt(mask, 0, 0, w, h, WHITENESS);
  SetBkColor(dc_, Of(how.background[0]));
  BitBlt(mask, 0, 0, w, h, dc_, r.left, r.top, SRCCOPY);
  SetBkColor(dc_, Of(how.background[1]));
  BitBlt(mask, 0, 0, w, h, dc_, r.left, r.top, SRCPAINT);
  Fill(r, how.ground);
  SetBkColor(dc_, RGB(0, 0, 0));
  SetTextColor(dc_, RGB(255, 255, 255));
  for (const auto& stamp : how.stamps) {
    HBRUSH brush = CreateSolidBrush(Of(stamp.colour));
    const HGDIOBJ oldBrush = SelectObject(dc_, brush);
    BitBlt(dc_, r.left + stamp.offset.x, r.top + stamp.offset.y, w, h, mask, 0, 0, kEmbossRop);
    SelectObject(dc_, oldBrush);
    DeleteObject(brush);
  }
}
