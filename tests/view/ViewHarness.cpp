#include "ViewHarness.h"

#include <QAbstractItemView>
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
  const std::filesystem::path path = builder.WriteTo(sub / "Players.dbf");
  SelectPath(path);
  return path;
}

void ViewHarness::SelectPath(const std::filesystem::path& path) {
  chosen = QString::fromStdString(path.string());
  view->Select();
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

void ViewHarness::PickPlayer(const QString& entry) { PickEntry(view->PlayerList(), entry); }

void ViewHarness::PickTeam(int index) { PickEntry(view->TeamChoice(), index); }

void PickEntry(QComboBox* combo, const QString& entry) {
  const int index = combo->findText(entry);
  QVERIFY2(index >= 0, qPrintable(entry));
  PickEntry(combo, index);
}

void ViewHarness::ClickRoster(int row) {
  QListWidget* list = view->RosterList();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

PlayerFileBuilder& Player(PlayerFileBuilder& b, int k, std::string_view last,
                          std::string_view first, int id, int team, int slot) {
  return b.Text(k, FieldId::LastName, last)
      .Text(k, FieldId::FirstName, first)
      .Number(k, FieldId::PlayerId, id)
      .Number(k, FieldId::Team, team)
      .Number(k, FieldId::RosterSlot, slot);
}

}  // namespace korvale::testing
