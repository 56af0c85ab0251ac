#pragma once

#include <memory>

#include <QStringList>

class CMainFrame;
class MessageSink;

namespace korvale {
class FileSystem;
}

// Start-up: the application's names, the command line and the one main
// window. The QApplication itself belongs to main().
class CKorvaleApp {
 public:
  CKorvaleApp(korvale::FileSystem& files, MessageSink& messages);
  ~CKorvaleApp();

  // Names the application ("Korvale", the caption of every message box) and
  // its settings branch.
  static void SetApplicationNames();

  // `arguments` without the program name. A file name there is opened as the
  // document and nothing more; when that fails the failure is reported and
  // the result is false: the program ends.
  [[nodiscard]] bool InitInstance(const QStringList& arguments);

  [[nodiscard]] CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  korvale::FileSystem& files_;
  MessageSink& messages_;
  std::unique_ptr<CMainFrame> frame_;
};
