#include <QApplication>
#include <iostream>

#include "CKorvaleApp.h"
#include "FileSystem.h"
#include "ScreenMessages.h"

int main(int argc, char* argv[]) {
  if (CKorvaleApp::AsksForVersion(argc, argv)) {
    std::cout << CKorvaleApp::VersionText() << '\n';
    return 0;
  }
  QApplication application(argc, argv);
  CKorvaleApp::SetApplicationNames();
  CKorvaleApp korvale(korvale::SystemFileSystem(), ScreenMessages());
  if (!korvale.InitInstance(QApplication::arguments().mid(1))) return 1;
  return QApplication::exec();
}
