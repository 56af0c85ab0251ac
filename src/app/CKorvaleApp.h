#pragma once

#include <string>

#include <QStringList>

#include "CMainFrame.h"
#include "EditorStart.h"

// Start-up: the application's names, the command line and the one main
// window. The QApplication itself belongs to main().
class CKorvaleApp : public EditorStart<CMainFrame> {
 public:
  using EditorStart::EditorStart;

  // Names the application ("Korvale", the caption of every message box) and
  // its settings branch.
  static void SetApplicationNames();

  // Whether the arguments (argv[1] on) hold --version, the editor's only
  // option: main() then prints VersionText() and ends before anything of Qt
  // starts, so it needs no display. Every other argument beginning with "-"
  // is passed over by InitInstance.
  [[nodiscard]] static bool AsksForVersion(int argc, const char* const* argv);
  [[nodiscard]] static std::string VersionText();

  // `arguments` without the program name. A file name there is opened as the
  // document and nothing more; when that fails the failure is reported and
  // the result is false: the program ends.
  [[nodiscard]] bool InitInstance(const QStringList& arguments);
};
