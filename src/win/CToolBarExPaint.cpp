// Painting of CToolBarEx: the flat buttons, the etched separators, the
// gripper in the non-client area, and the custom-draw notifications.
#include "CToolBarEx.h"

namespace {

constexpr int kMaxDrawnSeparator = 8;
constexpr int kGripperInset = 4;
constexpr int kGripperBar = 3;
constexpr int kEndBorder = 6;   // at each end of the bar
constexpr int kSideBorder = 2;  // above and below the buttons
constexpr int kGripperRoom = 4;
constexpr DWORD kEmbossRop = 0x00E20746;  // where the source is set, the brush; else the screen

RECT Shrunk(const RECT& r, int by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
  SetBkColor(dc, colour);
  const RECT r{x, y, x + cx, y + cy};
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

void CToolBarEx::DrawEdgeRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) const {
  const int cx = r.right - r.left;
  const int cy = r.bottom - r.top;
  const COLORREF background = GetBkColor(dc);
  FillSolid(dc, r.left, r.top, cx - 1, 1, topLeft);
  FillSolid(dc, r.left, r.top, 1, cy - 1, topLeft);
  FillSolid(dc, r.right - 1, r.top, 1, cy, bottomRight);
  FillSolid(dc, r.left, r.bottom - 1, cx, 1, bottomRight);
  SetBkColor(dc, background);
}

LRESULT CToolBarEx::OnNcCalcSize(WPARAM w, LPARAM l) {
  const LRESULT result = DefSubclassProc(window_, WM_NCCALCSIZE, w, l);
  if (!flat_) return result;
  RECT& client = *reinterpret_cast<RECT*>(l);  // the first rectangle in either form
  client.left += kEndBorder + kGripperRoom;
  client.right -= kEndBorder - kGripperRoom;
  client.top += kSideBorder;
  client.bottom -= kSideBorder;
  return result;
}

void CToolBarEx::OnNcPaint() {
  HDC dc = GetWindowDC(window_);
  RECT window{}, client{};
  GetWindowRect(window_, &window);
  GetClientRect(window_, &client);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &window, GetSysColorBrush(COLOR_BTNFACE));
  RECT bar = Shrunk(window, kGripperInset);
  bar.right = bar.left + kGripperBar;
  DrawEdgeRect(dc, bar, colors_.highlight, colors_.shadow);
  OffsetRect(&bar, kGripperBar, 0);
  DrawEdgeRect(dc, bar, colors_.highlight, colors_.shadow);
  ReleaseDC(window_, dc);
}

void CToolBarEx::Paint(HDC dc, const RECT& update) {
  if (IsRectEmpty(&update)) return;
  if (HasCaptions()) ComputeImageOffsets();
  POINT cursor = CursorPos();
  ScreenToClient(window_, &cursor);
  const HGDIOBJ oldFont = SelectObject(dc, textFont_);
  const LRESULT reply = Notify(CDDS_PREPAINT, dc, update, 0, 0);
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    const Button b = ButtonAt(i);
    if (b.state & TBSTATE_HIDDEN) continue;
    if (b.style & BTNS_SEP) {
      PaintSeparator(dc, b);  // the bar never floats, so no separator wraps away
      continue;
    }
    RECT common{};
    if (!IntersectRect(&common, &b.rect, &update)) continue;
    PaintButton(dc, b, cursor, images_, (reply & CDRF_NOTIFYITEMDRAW) != 0);
  }
  SelectObject(dc, oldFont);
  if (reply & CDRF_NOTIFYPOSTPAINT) Notify(CDDS_POSTPAINT, dc, update, 0, 0);
}

void CToolBarEx::PaintButton(HDC dc, const Button& b, POINT cursor, HIMAGELIST images,
                             bool notifyItems) {
  const bool checked = (b.state & (TBSTATE_CHECKED | TBSTATE_PRESSED)) != 0;
  const bool enabled = SendMessageW(window_, TB_ISBUTTONENABLED, b.commandId, 0) != 0;
  const bool hot = PtInRect(&b.rect, cursor) != FALSE;
  const COLORREF fill = checked && !hot ? colors_.light3d : colors_.face;
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, fill);
  LRESULT itemReply = CDRF_DODEFAULT;
  if (notifyItems) {
    const UINT state = (enabled ? 0u : UINT(CDIS_DISABLED)) | (checked ? UINT(CDIS_CHECKED) : 0u);
    itemReply = Notify(CDDS_ITEMPREPAINT, dc, b.rect, b.commandId, state);
    if (itemReply & CDRF_SKIPDEFAULT) return;
  }
  PaintFace(dc, b, checked, enabled, hot, fill, images);
  if (itemReply & CDRF_NOTIFYPOSTPAINT) Notify(CDDS_ITEMPOSTPAINT, dc, b.rect, b.commandId, 0);
}

void CToolBarEx::PaintFace(HDC dc, const Button& b, bool checked, bool enabled, bool hot,
                           COLORREF fill, HIMAGELIST images) {
  const RECT& r = b.rect;
  FillSolid(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, fill);
  if (checked) {
    DrawEdgeRect(dc, r, colors_.shadow, colors_.highlight);
    if (!hot) DrawEdgeRect(dc, Shrunk(r, 1), colors_.face, colors_.face);
  } else if (enabled && hot) {
    DrawEdgeRect(dc, r, colors_.highlight, colors_.shadow);
  } else if (enabled) {
    DrawEdgeRect(dc, r, colors_.face, colors_.face);
  }
  const int d = checked ? 1 : 0;
  const SIZE image = ImageSize();
  const int xOffset = (r.right - r.left - image.cx) / 2;
  ImageList_Draw(images, b.image, dc, r.left + xOffset + d, r.top + imageOffset_.y + d,
                 ILD_TRANSPARENT);
  if (!b.caption.empty()) {
    RECT text{r.left + 3 + d, r.top + imageOffset_.y + image.cy + 1 + d, r.right - 3 + d,
              r.bottom - 3 + d};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, fill);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, b.caption.c_str(), static_cast<int>(b.caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(dc, OPAQUE);
  }
  if (!enabled) Emboss(dc, r);
}

void CToolBarEx::PaintSeparator(HDC dc, const Button& b) const {
  if (b.rect.right - b.rect.left > kMaxDrawnSeparator) return;
  const int mid = (b.rect.left + b.rect.right) / 2;
  DrawEdgeRect(dc, {mid - 1, b.rect.top, mid + 1, b.rect.bottom}, colors_.shadow,
               colors_.highlight);
}

// Without a mask (the system is out of drawing resources) the button is
// left blank in the face colour: a disabled button never looks enabled.
void CToolBarEx::Emboss(HDC dc, const RECT& r) const {
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP mask = memory != nullptr ? CreateBitmap(w, h, 1, 1, nullptr) : nullptr;
  if (mask == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    FillSolid(dc, r.left, r.top, w, h, colors_.face);
    return;
  }
  const HGDIOBJ oldMask = SelectObject(memory, mask);
  PatBlt(memory, 0, 0, w, h, WHITENESS);
  // Pixels of the face or the highlight colour become white, all others black.
  SetBkColor(dc, colors_.face);
  BitBlt(memory, 0, 0, w, h, dc, r.left, r.top, SRCCOPY);
  SetBkColor(dc, colors_.highlight);
  BitBlt(memory, 0, 0, w, h, dc, r.left, r.top, SRCPAINT);
  FillSolid(dc, r.left, r.top, w, h, colors_.face);
  SetBkColor(dc, RGB(0, 0, 0));
  SetTextColor(dc, RGB(255, 255, 255));
  HBRUSH highlight = CreateSolidBrush(colors_.highlight);
  HBRUSH shadow = CreateSolidBrush(colors_.shadow);
  const HGDIOBJ oldBrush = SelectObject(dc, highlight);
  BitBlt(dc, r.left + 1, r.top + 1, w, h, memory, 0, 0, kEmbossRop);
  SelectObject(dc, shadow);
  BitBlt(dc, r.left, r.top, w, h, memory, 0, 0, kEmbossRop);
  SelectObject(dc, oldBrush);
  DeleteObject(highlight);
  DeleteObject(shadow);
  SelectObject(memory, oldMask);
  DeleteObject(mask);
  DeleteDC(memory);
}

LRESULT CToolBarEx::Notify(DWORD stage, HDC dc, const RECT& rect, int spec, UINT state) {
  if (!parent_ || !IsWindow(parent_)) return CDRF_DODEFAULT;
  NMCUSTOMDRAW n{};
  n.hdr.hwndFrom = window_;
  n.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window_));
  n.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
  n.dwDrawStage = stage;
  n.hdc = dc;
  n.rc = rect;
  n.dwItemSpec = static_cast<DWORD_PTR>(spec);
  n.uItemState = state;
  n.lItemlParam = 0;
  return SendMessageW(parent_, WM_NOTIFY, n.hdr.idFrom, reinterpret_cast<LPARAM>(&n));
}
