#include "CKorvaleApp.h"

#include <shellapi.h>

#include "DialogTemplateW.h"
#include "MessageSink.h"
#include "WindowsErrors.h"

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

std::string CKorvaleApp::OpenDocumentFailure(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return {};
  }
  const DWORD error = GetLastError();
  return korvale::FileError(korvale::CauseOfWindowsError(error), korvale::win::Narrow(path))
      .Message();
}

bool CKorvaleApp::InitInstance(HINSTANCE instance, const std::vector<std::wstring>& arguments,
                               int show) {
  for (const std::wstring& argument : arguments) {
    if (argument.starts_with(L"-") || argument.starts_with(L"/")) continue;  // no options of ours
    const std::string failure = OpenDocumentFailure(argument);
    if (!failure.empty()) {
      messages_.Stop(failure);
      return false;
    }
    break;  // the first file name is the document
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
