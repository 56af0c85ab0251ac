#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "CMainFrame.h"
#include "EditorStart.h"

// The program: its start-up from the command line, the main window and the
// message loop. It keeps no settings anywhere.
class CKorvaleApp : public EditorStart<CMainFrame> {
 public:
  using EditorStart::EditorStart;

  // The command line's arguments after the program's name. A file name
  // there is opened for reading and closed again, nothing read, and selects
  // no player file; when it cannot be opened, the failure is reported and
  // start-up fails, as it does when the window cannot be made.
  bool InitInstance(HINSTANCE instance, const std::vector<std::wstring>& arguments, int show);
  // The message loop, with the idle-time update whenever the queue runs
  // empty; the exit code.
  int Run();

  [[nodiscard]] static std::vector<std::wstring> CommandLineArguments();
};
