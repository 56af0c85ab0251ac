#include "CAboutDlg.h"

#include <vector>

#include "DialogTemplateW.h"
#include "DialogTemplates.h"

namespace {

constexpr int kIconId = 128;

CAboutDlg::ShownHook& Hook() {
  static CAboutDlg::ShownHook hook;
  return hook;
}

BOOL CALLBACK SetIcon(HWND control, LPARAM icon) {
  if ((GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    SendMessageW(control, STM_SETICON, static_cast<WPARAM>(icon), 0);
  }
  return TRUE;
}

void CentreOnOwner(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  RECT area{}, box{};
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(dialog, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CAboutDlg::SetShownHook(ShownHook hook) { Hook() = std::move(hook); }

INT_PTR CAboutDlg::DoModal(HWND owner) {
  constexpr DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const std::vector<WORD> dialog =
      korvale::win::BuildDialogTemplate(korvale::res::AboutBoxTemplate(), style);
  return DialogBoxIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(dialog.data()),
                                 owner, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG: reinterpret_cast<const CAboutDlg*>(l)->OnInitDialog(dialog); return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        EndDialog(dialog, LOWORD(w));
        return TRUE;
      }
      return FALSE;
    default: return FALSE;
  }
}

void CAboutDlg::OnInitDialog(HWND dialog) const {
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(kIconId));
  if (icon) EnumChildWindows(dialog, SetIcon, reinterpret_cast<LPARAM>(icon));
  CentreOnOwner(dialog);
  if (Hook()) Hook()(dialog);
}
