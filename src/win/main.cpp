#include <windows.h>

#include <commctrl.h>

#include "CKorvaleApp.h"
#include "FileSystem.h"
#include "ScreenMessages.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  korvale::win::ScreenMessages messages;
  CKorvaleApp korvale(korvale::SystemFileSystem(), messages);
  if (!korvale.InitInstance(instance, CKorvaleApp::CommandLineArguments(), show)) return 1;
  messages.SetOwner(korvale.MainFrame()->Window());
  return korvale.Run();
}
