#include <fstream>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "ListOrder.h"
#include "ListText.h"
#include "PlayerFileDialog.h"
#include "QtFormPage.h"
#include "ResourceIds.h"
#include "TabControl.h"
#include "ViewHarness.h"
#include "Windows1252.h"

using namespace korvale;
using namespace korvale::testing;

// The editor form's widgets: what they forward and what they show. The
// form's rules are tested on plain controls.
class CKorvaleViewTest : public QObject {
  Q_OBJECT

 private slots:
  void ClickingARosterEntryKeepsItSelected();
  void SelectionsSetByTheProgramNeverChoose();
  void ListTextIsTheFileBytesDecoded();
  void CancellingTheDialogChangesNothing();
  void TheFileDialogListsTheRosterInAnyLetterCase();
  void TabsShowOnePageAtATime();
  void PagesArePlacedInsideTheTabControl();
};

void CKorvaleViewTest::ClickingARosterEntryKeepsItSelected() {
  ViewHarness h;
  h.view->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
  h.SelectFile(ThreeOnTwoTeams());
  ClickRosterRow(*h.view, 0);  // " 1 |  Cole, Ray,  103"
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("103"));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Cole, Ray,  103"));
  QCOMPARE(h.view->RosterList()->currentRow(), 0);
  // Ctrl+click does not take the entry away, and trying reads nothing.
  QListWidget* list = h.view->RosterList();
  const int reads = h.files.Calls(FileOp::Read);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(0)).center());
  QCOMPARE(list->selectedItems().size(), 1);
  QCOMPARE(list->row(list->selectedItems().front()), 0);
  QCOMPARE(h.files.Calls(FileOp::Read), reads);
  QCOMPARE(h.Current(), 2);
  QVERIFY(h.messages.stops.empty());
}

void CKorvaleViewTest::SelectionsSetByTheProgramNeverChoose() {
  ViewHarness h;
  h.view->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
  // An empty selection reads as entry ID 0: a choice made by the program
  // would jump to the record whose PlayerId is 0.
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 2, 0);
  Player(b, 2, "Zero", "Id", 0, 2, 1);
  h.SelectFile(b);
  ClickRosterRow(*h.view, 0);
  QCOMPARE(h.Current(), 1);
  h.view->Back();     // rebuilds the roster list and selects in the player list
  h.view->Forward();  // and again
  QCOMPARE(h.Current(), 1);
  h.view->Close();
  QCOMPARE(h.Current(), 0);
  QVERIFY(h.messages.stops.empty());
}

// Each byte is one shown character, and file texts sort as their shown
// texts compare without letter case.
void CKorvaleViewTest::ListTextIsTheFileBytesDecoded() {
  const auto sign = [](int n) { return (n > 0) - (n < 0); };
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    QCOMPARE(ShownText(one), QString::fromStdString(Cp1252ToUtf8(one)));
    for (int other = 0; other < 256; ++other) {
      const std::string two(1, static_cast<char>(other));
      QCOMPARE(sign(CompareFolded(one, two)),
               sign(QString::compare(ShownText(one), ShownText(two), Qt::CaseInsensitive)));
    }
  }
}

void CKorvaleViewTest::CancellingTheDialogChangesNothing() {
  ViewHarness h;
  h.chosen.reset();
  h.view->Select();
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  QCOMPARE(h.view->TeamChoice()->count(), 0);
  QCOMPARE(h.files.Calls(FileOp::Open), 0);
  QVERIFY(h.messages.stops.empty());
}

void CKorvaleViewTest::TheFileDialogListsTheRosterInAnyLetterCase() {
  TempDir dir;
  for (const char* name : {"PLAYERS.DBF", "players.dbf", "Teams.dbf", "Players.dbf.bak"}) {
    std::ofstream(dir / name) << "x";
  }
  QFileDialog dialog;
  SetUpPlayerFileDialog(dialog);
  QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
  dialog.setDirectory(QString::fromStdString(dir.Path().string()));
  dialog.show();
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  QVERIFY(view != nullptr);
  const auto listed = [view] {
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    names.sort();
    return names;
  };
  QTRY_COMPARE(listed(), QStringList({"PLAYERS.DBF", "players.dbf"}));
  // The one filter shows its description alone.
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  QVERIFY(types != nullptr);
  QCOMPARE(types->count(), 1);
  QCOMPARE(types->currentText(), QStringLiteral("Courtline '98 Player Data Files"));
  // A typed name without a dot gets the default extension after one.
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  QVERIFY(name != nullptr);
  QCOMPARE(name->text(), QStringLiteral("Players.dbf"));
  name->setText(QStringLiteral("Teams"));
  static_cast<QDialog&>(dialog).accept();  // Open, as if pressed
  QCOMPARE(dialog.selectedFiles(),
           QStringList(QString::fromStdString((dir / "Teams.*.dbf").string())));
}

void CKorvaleViewTest::TabsShowOnePageAtATime() {
  ViewHarness h;
  res::TabControl* tabs = h.view->TabControl();
  QCOMPARE(tabs->Count(), 4);
  QStringList texts;
  for (int i = 0; i < 4; ++i) texts << tabs->ItemText(i);
  QCOMPARE(texts, QStringList({"Player Data", "Player Data 2", "Player Ratings", "Season Stats"}));
  QCOMPARE(tabs->CurrentIndex(), 0);
  QWidget* const pages[] = {h.view->Page(0), h.view->Page(1), h.view->Page(2), h.view->Page(3)};
  for (int chosen : {0, 2, 1, 3, 0}) {
    tabs->SetCurrentIndex(chosen);
    for (int i = 0; i < 4; ++i) QCOMPARE(pages[i]->isHidden(), i != chosen);
  }
  QCOMPARE(h.files.Calls(FileOp::Read), 0);
  // A file shown and closed leaves the tab as it is.
  tabs->SetCurrentIndex(3);
  h.SelectFile(ThreeOnTwoTeams());
  h.view->Forward();
  h.view->Close();
  QCOMPARE(tabs->CurrentIndex(), 3);
  QVERIFY(!pages[3]->isHidden());
}

void CKorvaleViewTest::PagesArePlacedInsideTheTabControl() {
  ViewHarness h;
  h.view->resize(700, 500);
  const QSize tab = h.view->TabControl()->size();
  const QRect expected(5, 30, tab.width() - 10, tab.height() - 35);
  QCOMPARE(h.view->Page(0)->geometry(), expected);
  QCOMPARE(h.view->Page(3)->geometry(), expected);
  QCOMPARE(h.view->Page(0)->parentWidget(), h.view->TabControl());
}

QTEST_MAIN(CKorvaleViewTest)
#include "CKorvaleViewTest.moc"
