#include "CKorvaleApp.h"

#include <shellapi.h>

#include "DialogTemplateW.h"

std::vector<std::wstring> CKorvaleApp::CommandLineArguments() {
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; list && i < count; ++i) arguments.emplace_back(list[i]);
  if (list) LocalFree(list);
  return arguments;
}

bool CKorvaleApp::InitInstance(HINSTANCE instance, const std::vector<std::wstring>& arguments,
                               int show) {
  std::vector<std::string> names;
  for (const std::wstring& argument : arguments) names.push_back(korvale::win::Narrow(argument));
  CMainFrame* frame = OpenMainFrame(names, "-/");  // no options of ours
  if (!frame || !frame->Create(instance)) return false;
  frame->SetQuitOnDestroy(true);
  ShowWindow(frame->Window(), show);
  UpdateWindow(frame->Window());
  return true;
}

int CKorvaleApp::Run() {
  CMainFrame* frame = MainFrame();
  MSG msg{};
  bool idle = true;
  for (;;) {
    if (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (frame) frame->IdleUpdate();
      idle = false;
    }
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (!frame || !frame->PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // Painting and the hover timer's ticks change no command state.
    idle = idle || (msg.message != WM_PAINT && msg.message != WM_TIMER);
  }
  return static_cast<int>(msg.wParam);
}
