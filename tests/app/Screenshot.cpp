// Writes pictures of the main window with a player file selected, for the
// README: korvale-screenshot PLAYERS.DBF OUT.PNG [PAGES-FOLDER]. With a
// folder, also writes one picture of each page, its tab chosen.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "CKorvaleApp.h"
#include "CKorvaleView.h"
#include "CMainFrame.h"
#include "FileSystem.h"
#include "ScreenMessages.h"
#include "TabControl.h"

namespace {

constexpr const char* kPageFiles[] = {"page-player-data.png", "page-player-data-2.png",
                                      "page-player-ratings.png", "page-season-stats.png"};

bool SavePages(CMainFrame& frame, const QDir& folder) {
  korvale::res::TabControl* tabs = frame.View()->TabControl();
  const int chosen = tabs->CurrentIndex();
  bool saved = true;
  for (int page = 0; page < 4; ++page) {
    tabs->SetCurrentIndex(page);
    frame.View()->ShowSelectedPage();
    QApplication::processEvents();
    saved = tabs->grab().save(folder.filePath(QLatin1String(kPageFiles[page]))) && saved;
  }
  tabs->SetCurrentIndex(chosen);
  frame.View()->ShowSelectedPage();
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: korvale-screenshot PLAYERS.DBF OUT.PNG [PAGES-FOLDER]\n");
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
  if (argc == 4 && !SavePages(frame, QDir(QString::fromLocal8Bit(argv[3])))) return 1;
  QApplication::processEvents();
  return frame.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
