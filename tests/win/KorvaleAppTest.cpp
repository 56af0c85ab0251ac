#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CKorvaleApp.h"
#include "CKorvaleView.h"
#include "EditorForm.h"
#include "FileError.h"
#include "FileSystem.h"
#include "MessageSink.h"
#include "PlayerFileBuilder.h"
#include "ResourceIds.h"
#include "Utf8Path.h"
#include "WinHarness.h"

namespace res = korvale::res;

namespace {

std::filesystem::path ThisProgram() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

// The program's main window, once it exists.
HWND MainWindowOf(DWORD processId) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"KorvaleFrame", L"Korvale")) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

TEST(KorvaleAppTest, AFileNameOnTheCommandLineIsOpenedButSelectsNothing) {
  korvale::testing::TempDir dir;
  const auto existing = korvale::testing::PlayerFileBuilder(2).WriteTo(dir / "Players.dbf");
  const auto missing = dir / "Missing.dbf";
  const struct {
    std::vector<std::wstring> arguments;
    bool starts;
    std::vector<std::string> stops;
  } cases[] = {
      {{}, true, {}},
      {{existing.wstring()}, true, {}},
      {{missing.wstring()},
       false,
       {korvale::FileError(korvale::FileErrorCause::NotFound, korvale::Utf8FromPath(missing))
            .Message()}},
  };
  for (const auto& c : cases) {
    MessageLog messages;
    CKorvaleApp app(korvale::SystemFileSystem(), messages);
    EXPECT_EQ(app.InitInstance(GetModuleHandleW(nullptr), c.arguments, SW_HIDE), c.starts);
    EXPECT_EQ(messages.stops, c.stops);
    EXPECT_TRUE(messages.warnings.empty());
    if (!c.starts) continue;
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->View().Editor().IsCommandEnabled(res::kIdSelect))
        << "no player file yet";
    EXPECT_FALSE(app.MainFrame()->View().Editor().IsCommandEnabled(res::kIdClose));
  }
}

// The program itself, beside the tests: it opens its window and ends with
// exit code 0 when the window is closed.
TEST(KorvaleAppTest, ProgramStartsAndEndsWhenItsWindowCloses) {
  const std::wstring program = (ThisProgram().parent_path() / "korvale.exe").wstring();
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &process));
  WaitForInputIdle(process.hProcess, 30000);
  HWND window = nullptr;
  for (int i = 0; i < 3000 && !window; ++i) {
    window = MainWindowOf(process.dwProcessId);
    if (!window) WaitForSingleObject(process.hProcess, 10);
  }
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
