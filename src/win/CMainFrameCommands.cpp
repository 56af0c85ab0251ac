// The main window's messages: commands, command states, prompts and tips.
#include "CMainFrame.h"

#include <commctrl.h>

#include "CAboutDlg.h"
#include "CKorvaleView.h"
#include "EditorForm.h"
#include "ResourceIds.h"
#include "Strings.h"
#include "Utf8Path.h"
#include "WindowShown.h"

namespace res = korvale::res;

LRESULT CMainFrame::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SIZE: Layout(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(w)); return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(l), l);
    case WM_INITMENUPOPUP: UpdateMenuStates(Menu()); return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l)); return 0;
    case WM_EXITMENULOOP: ShowIdleText(); return 0;
    case WM_SYSCOLORCHANGE:
      // Only top-level windows hear of it: the bars read their colours again.
      SendMessageW(toolBar_.Window(), WM_SYSCOLORCHANGE, 0, 0);
      SendMessageW(statusBar_, WM_SYSCOLORCHANGE, 0, 0);
      return 0;
    case WM_SETFOCUS:
      // The form takes the focus back to the control that had it.
      if (view_ && view_->Window()) SetFocus(view_->Window());
      return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_QUERYENDSESSION: return TRUE;  // never vetoed
    case WM_ENDSESSION:
      if (w) OnClose();  // the session ends: as the window closes
      return 0;
    case WM_DESTROY:
      view_.reset();  // lets go of the player file while the form still exists
      if (quitOnDestroy_) PostQuitMessage(0);
      return 0;
    default: return DefWindowProcW(window_, message, w, l);
  }
}

void CMainFrame::OnCommand(int id) {
  switch (id) {
    case res::kIdSelect: view_->Select(); break;
    case res::kIdClose: view_->Editor().Close(); break;
    case res::kIdForward: view_->Editor().Forward(); break;
    case res::kIdBack: view_->Editor().Back(); break;
    case res::kIdExit: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case res::kIdViewToolBar: ToggleBar(toolBar_.Window()); break;
    case res::kIdViewStatusBar: ToggleBar(statusBar_); break;
    case res::kIdAbout: CAboutDlg(instance_).DoModal(window_); break;
    default: break;
  }
}

// A close that comes while one of the form's handlers runs (through the
// loop of its message box or file dialog) waits for it, then comes again.
void CMainFrame::OnClose() {
  if (view_) {
    HWND window = window_;
    if (!view_->Editor().CommitOnClose([window] { PostMessageW(window, WM_CLOSE, 0, 0); })) return;
    view_->FrameClosing();
  }
  DestroyWindow(window_);
}

LRESULT CMainFrame::OnNotify(const NMHDR& header, LPARAM l) {
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(l);
    tip_ = korvale::Widen(res::StringLine(static_cast<int>(header.idFrom), 1));
    info.lpszText = tip_.data();
    info.hinst = nullptr;
    return 0;
  }
  // The tool bar's drawing notifications: the default drawing everywhere.
  return 0;
}

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && menu == nullptr) {
    ShowIdleText();
  } else if (flags & (MF_POPUP | MF_SEPARATOR)) {
    SetMessageText({});
  } else {
    ShowPrompt(static_cast<int>(item));
  }
}

void CMainFrame::IdleUpdate() {
  if (!window_ || !view_) return;
  UpdateMenuStates(Menu());
  toolBar_.UpdateButtons([this](int id) { return view_->Editor().IsCommandEnabled(id); });
  UpdateLockPanes();
}

void CMainFrame::UpdateMenuStates(HMENU menu) {
  if (!menu || !view_) return;
  for (int id : res::kFormCommands) {
    EnableMenuItem(menu, static_cast<UINT>(id),
                   MF_BYCOMMAND | (view_->Editor().IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
  }
  const auto check = [menu](int id, HWND bar) {
    CheckMenuItem(menu, static_cast<UINT>(id),
                  MF_BYCOMMAND | (IsShown(bar) ? MF_CHECKED : MF_UNCHECKED));
  };
  check(res::kIdViewToolBar, toolBar_.Window());
  check(res::kIdViewStatusBar, statusBar_);
}

void CMainFrame::SetMessageText(const std::wstring& text) {
  SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CMainFrame::ShowPrompt(int commandId) {
  SetMessageText(korvale::Widen(res::StringLine(commandId, 0)));
}

void CMainFrame::ShowIdleText() {
  SetMessageText(korvale::Widen(res::StringLine(res::kIdIdleMessage, 0)));
}
