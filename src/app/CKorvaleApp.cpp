#include "CKorvaleApp.h"

#include <QApplication>
#include <string_view>
#include <vector>

#include "KorvaleVersion.h"
#include "ResourceIds.h"
#include "StringTable.h"

namespace res = korvale::res;

void CKorvaleApp::SetApplicationNames() {
  const QString title = res::LoadString(res::kIdApplicationTitle);
  QCoreApplication::setApplicationName(title);
  QGuiApplication::setApplicationDisplayName(title);
  // Nothing is stored there; the branch only names where settings would go.
  QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
}

bool CKorvaleApp::AsksForVersion(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--version") return true;
  }
  return false;
}

std::string CKorvaleApp::VersionText() {
  return std::string("korvale ") + korvale::kKorvaleVersion;
}

bool CKorvaleApp::InitInstance(const QStringList& arguments) {
  SetApplicationNames();
  std::vector<std::string> names;
  for (const QString& argument : arguments) names.push_back(argument.toStdString());
  CMainFrame* frame = OpenMainFrame(names, "-");  // no options of our own
  if (frame) frame->show();
  return frame != nullptr;
}
