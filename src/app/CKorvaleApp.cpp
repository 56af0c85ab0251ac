#include "CKorvaleApp.h"

#include <QApplication>
#include <string_view>
#include <vector>

#include "CMainFrame.h"
#include "CommandLineDocument.h"
#include "KorvaleVersion.h"
#include "MessageSink.h"
#include "ResourceIds.h"
#include "StringTable.h"

namespace res = korvale::res;

CKorvaleApp::CKorvaleApp(korvale::FileSystem& files, MessageSink& messages)
    : files_(files), messages_(messages) {}

CKorvaleApp::~CKorvaleApp() = default;

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
  const std::string failure = CommandLineDocumentFailure(names, "-");  // no options of our own
  if (!failure.empty()) {
    messages_.Stop(failure);
    return false;
  }
  frame_ = std::make_unique<CMainFrame>(files_, messages_);
  frame_->show();
  return true;
}
