#include "CKorvaleApp.h"

#include <shellapi.h>

#include "CommandLineDocument.h"
#include "DialogTemplateW.h"
#include "MessageSink.h"

CKorvaleApp::CKorvaleApp(korvale::FileSystem& files, MessageSink& messages)
    : files_(files), messages_(messages) {}

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
  const std::string failure = CommandLineDocumentFailure(names, "-/");  // no options of ours
  if (!failure.empty()) {
    messages_.Stop(failure);
    return false;
  }
  frame_ = std::make_unique<CMainFrame>(files_, messages_);
  if (!frame_->Create(instance)) return false;
  frame_->SetQuitOnDestroy(true);
  ShowWindow(frame_->Window(), show);
  UpdateWindow(frame_->Window());
  return true;
}

int CKorvaleApp::Run() {
  MSG msg{};
  bool idle = true;
  for (;;) {
    if (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (frame_) frame_->IdleUpdate();
      idle = false;
    }
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (!frame_ || !frame_->PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // Painting and the hover timer's ticks change no command state.
    idle = idle || (msg.message != WM_PAINT && msg.message != WM_TIMER);
  }
  return static_cast<int>(msg.wParam);
}
