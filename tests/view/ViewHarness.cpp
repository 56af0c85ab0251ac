#include "ViewHarness.h"

#include <QTest>

#include "ResourceIds.h"

namespace korvale::testing {

ViewHarness::ViewHarness() : view(std::make_unique<CKorvaleView>(files, messages)) {
  view->SetFileChooser([this](QWidget*) { return chosen; });
  view->resize(520, 380);
}

std::filesystem::path ViewHarness::SelectFile(const PlayerFileBuilder& builder) {
  static int folder = 0;
  const std::filesystem::path sub = dir / std::to_string(++folder);
  std::filesystem::create_directory(sub);
  std::filesystem::path path = builder.WriteTo(sub / "Players.dbf");
  chosen = QString::fromStdString(path.string());
  view->Select();
  return path;
}

QStringList ViewHarness::PlayerEntries() const {
  QStringList entries;
  for (int i = 0; i < view->PlayerList()->count(); ++i) entries << view->PlayerList()->itemText(i);
  return entries;
}

QStringList ViewHarness::RosterEntries() const {
  QStringList entries;
  for (int i = 0; i < view->RosterList()->count(); ++i)
    entries << view->RosterList()->item(i)->text();
  return entries;
}

QString ViewHarness::Enabled() const {
  QString state;
  state += view->IsCommandEnabled(res::kIdSelect) ? 'S' : '-';
  state += view->IsCommandEnabled(res::kIdClose) ? 'C' : '-';
  state += view->IsCommandEnabled(res::kIdBack) ? 'B' : '-';
  state += view->IsCommandEnabled(res::kIdForward) ? 'F' : '-';
  return state;
}

QStringList QtTexts(const std::vector<std::string>& texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

void PickEntry(QComboBox* combo, const QString& entry) {
  const int index = combo->findText(entry);
  QVERIFY2(index >= 0, qPrintable(entry));
  PickEntry(combo, index);
}

}  // namespace korvale::testing
