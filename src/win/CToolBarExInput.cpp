// The control's messages: what the flat bar takes over, and the mouse and
// timer handling that it forwards to the bar's rules.
#include <windowsx.h>

#include "CToolBarEx.h"

LRESULT CToolBarEx::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      RECT update{};
      if (!images_) break;
      if (!GetUpdateRect(window_, &update, FALSE)) return 0;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      Paint(dc, update);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      if (!images_) break;
      RECT client{};
      GetClientRect(window_, &client);
      auto* dc = reinterpret_cast<HDC>(w);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      Paint(dc, client);
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_SYSCOLORCHANGE: {
      const LRESULT result = DefSubclassProc(window_, message, w, l);
      ReadColors();
      return result;
    }
    case WM_NCCALCSIZE: return OnNcCalcSize(w, l);
    case WM_NCPAINT: OnNcPaint(); return 0;
    case WM_MOUSEMOVE: OnMouseMove({GET_X_LPARAM(l), GET_Y_LPARAM(l)}); break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      ShowPrompt(0);
      break;
    case WM_TIMER:
      ReadButtons();
      if (bar_.Tick(w)) return 0;
      break;
    case TB_SETBUTTONSIZE:
    case TB_SETBITMAPSIZE: {
      const LRESULT result = DefSubclassProc(window_, message, w, l);
      if (result) {
        const SIZE button = ButtonSize();
        const SIZE image = ImageSize();
        bar_.SetSizes({button.cx, button.cy}, {image.cx, image.cy});
      }
      return result;
    }
    default: break;
  }
  return DefSubclassProc(window_, message, w, l);
}

// Hot tracking, and the status-bar prompt: it follows the command under the
// pointer, enabled or not, and goes back to the idle text once the pointer
// leaves the bar.
void CToolBarEx::OnMouseMove(POINT point) {
  ReadButtons();
  bar_.MouseMove({point.x, point.y});
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  ShowPrompt(bar_.CommandAt({point.x, point.y}));
}

void CToolBarEx::ShowPrompt(int commandId) {
  if (bar_.PromptFor(commandId) && prompt_) prompt_(commandId);
}
