#include "CKorvaleApp.h"

#include <QApplication>
#include <string_view>

#include "CKorvaleDoc.h"
#include "CMainFrame.h"
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
  for (const QString& argument : arguments) {
    if (argument.startsWith(QLatin1Char('-'))) continue;  // no options of our own
    const QString failure = CKorvaleDoc::OnOpenDocument(argument);
    if (!failure.isEmpty()) {
      messages_.Stop(failure.toStdString());
      return false;
    }
    break;  // the first file name is the document
  }
  frame_ = std::make_unique<CMainFrame>(files_, messages_);
  frame_->show();
  return true;
}
