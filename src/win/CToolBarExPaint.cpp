// Painting of CToolBarEx: the flat buttons and separators in the client
// area, the gripper in the non-client area.
#include "CToolBarEx.h"
#include "CToolBarExPainter.h"

namespace tb = korvale::toolbar;

LRESULT CToolBarEx::OnNcCalcSize(WPARAM w, LPARAM l) {
  const LRESULT result = DefSubclassProc(window_, WM_NCCALCSIZE, w, l);
  RECT& client = *reinterpret_cast<RECT*>(l);  // the first rectangle in either form
  client = ToRECT(tb::ClientArea(FromRECT(client)));
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
  Win32ToolBarPainter painter(dc, bar_.Colours(), images_);
  bar_.PaintFrame(painter, FromRECT(window));
  ReleaseDC(window_, dc);
}

void CToolBarEx::Paint(HDC dc, const RECT& update) {
  ReadButtons();
  POINT cursor = cursor_();
  ScreenToClient(window_, &cursor);
  Win32ToolBarPainter painter(dc, bar_.Colours(), images_);
  bar_.Paint(painter, FromRECT(update), {cursor.x, cursor.y});
}
