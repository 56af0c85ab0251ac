// Writes a picture of the main window with a player file selected, for the
// README: korvale-screenshot PLAYERS.DBF OUT.PNG
#include <cstdio>

#include <QApplication>
#include <QTest>

#include "CKorvaleApp.h"
#include "CKorvaleView.h"
#include "CMainFrame.h"
#include "FileSystem.h"
#include "MessageSink.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: korvale-screenshot PLAYERS.DBF OUT.PNG\n");
    return 2;
  }
  CKorvaleApp::SetApplicationNames();
  CMainFrame frame(korvale::SystemFileSystem(), ScreenMessages());
  const QString path = QString::fromLocal8Bit(argv[1]);
  frame.View()->SetFileChooser([&](QWidget*) { return path; });
  frame.show();
  if (!QTest::qWaitForWindowExposed(&frame)) return 1;
  frame.View()->Select();
  frame.UpdateCommandStates();
  QApplication::processEvents();
  return frame.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
