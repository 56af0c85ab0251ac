#include <fstream>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "PlayerFileDialog.h"
#include "QtFormPage.h"
#include "ResourceIds.h"
#include "TabControl.h"
#include "ViewHarness.h"

using namespace korvale;
using namespace korvale::testing;

namespace {

// Three players: record 0 and 2 on Boston (2), record 1 on Chicago (4).
PlayerFileBuilder ThreePlayers() {
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  Player(b, 2, "Cole", "Ray", 103, 2, 0);
  return b;
}

}  // namespace

class ViewCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void EnableRulesFollowTheFileState();
  void SelectShowsRecordZeroWithItsLists();
  void ForwardAndBackStayInsideTheFile();
  void CloseEmptiesEverythingAndASecondSelectStartsFresh();
  void AFailedOpenEndsSelect_data();
  void AFailedOpenEndsSelect();
  void CancellingTheDialogChangesNothing();
  void TheFileDialogListsTheRosterInAnyLetterCase();
  void ShortFiles_data();
  void ShortFiles();
  void TabsShowOnePageAtATime();
  void PagesArePlacedInsideTheTabControl();
  void AFileErrorInAWalkKeepsWhatWasDone();
  void AFileErrorInForwardKeepsTheMove();
};

void ViewCommandsTest::EnableRulesFollowTheFileState() {
  ViewHarness h;
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  h.SelectFile(ThreePlayers());
  QCOMPARE(h.Enabled(), QStringLiteral("-C-F"));
  h.view->Forward();
  QCOMPARE(h.Enabled(), QStringLiteral("-CBF"));
  h.view->Forward();
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.Enabled(), QStringLiteral("-CBF"));  // Forward stays enabled on the last record
  h.view->Close();
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  QVERIFY(h.view->IsCommandEnabled(res::kIdAbout));
  QVERIFY(h.messages.stops.isEmpty());
}

void ViewCommandsTest::SelectShowsRecordZeroWithItsLists() {
  ViewHarness h;
  h.SelectFile(ThreePlayers());
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("101"));
  QCOMPARE(h.PlayerEntries(),
           QStringList({"Avery, Tom,  102", "Cole, Ray,  103", "Moss, Eli,  101"}));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Moss, Eli,  101"));
  QCOMPARE(h.view->TeamChoice()->count(), 32);
  QCOMPARE(h.view->TeamChoice()->itemText(29), QStringLiteral("Free Agents"));
  QCOMPARE(h.ChosenTeam(), 2);
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Cole, Ray,  103", " 5 |  Moss, Eli,  101"}));
  QVERIFY(h.view->RosterList()->selectedItems().isEmpty());
}

void ViewCommandsTest::ForwardAndBackStayInsideTheFile() {
  ViewHarness h;
  h.SelectFile(ThreePlayers());
  h.view->Back();
  QCOMPARE(h.Current(), 0);
  h.view->Forward();
  QCOMPARE(h.Current(), 1);
  QCOMPARE(h.ChosenTeam(), 4);
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Avery, Tom,  102"));
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Avery, Tom,  102"}));
  h.view->Forward();
  const QStringList roster = h.RosterEntries();
  h.view->Forward();  // at the last record: nothing changes
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("103"));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Cole, Ray,  103"));
  QCOMPARE(h.RosterEntries(), roster);
  h.view->Back();
  h.view->Back();
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("101"));
  QVERIFY(h.messages.stops.isEmpty());
}

void ViewCommandsTest::CloseEmptiesEverythingAndASecondSelectStartsFresh() {
  ViewHarness h;
  const auto first = h.SelectFile(ThreePlayers());
  const std::string before = ReadAll(first);
  h.view->TabControl()->SetCurrentIndex(3);
  h.view->Forward();
  h.view->Close();
  QVERIFY(h.view->File().FilePath().empty());
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("0"));
  QCOMPARE(h.view->PlayerList()->count(), 0);
  QCOMPARE(h.view->TeamChoice()->count(), 0);
  QCOMPARE(h.view->RosterList()->count(), 0);
  QCOMPARE(h.view->TabControl()->CurrentIndex(), 3);
  QVERIFY(!h.view->Page(3)->isHidden());
  QCOMPARE(ReadAll(first), before);  // showing and closing write nothing

  PlayerFileBuilder other(2);
  Player(other, 0, "Zane", "Al", 7, 29, 0);
  Player(other, 1, "Yates", "Bo", 8, 0, 1);
  h.SelectFile(other);
  QCOMPARE(h.PlayerEntries(), QStringList({"Yates, Bo,    8", "Zane, Al,    7"}));
  QCOMPARE(h.view->TeamChoice()->count(), 32);
  QCOMPARE(h.ChosenTeam(), 29);
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Zane, Al,    7"}));
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("7"));
}

void ViewCommandsTest::AFailedOpenEndsSelect_data() {
  QTest::addColumn<int>("cause");
  QTest::addColumn<QString>("message");
  QTest::newRow("missing") << -1 << "%1 was not found.";
  QTest::newRow("held elsewhere") << static_cast<int>(FileErrorCause::SharingViolation)
                                  << "A sharing violation occurred while accessing %1.";
  QTest::newRow("denied") << static_cast<int>(FileErrorCause::AccessDenied)
                          << "Access to %1 was denied.";
  QTest::newRow("read-only") << -4 << "Access to %1 was denied. The file is read-only.";
  const QString notPlayers = QStringLiteral("%1 is not a Courtline '98 player file.");
  QTest::newRow("another table") << -2 << notPlayers;
  QTest::newRow("shorter than a header") << -3 << notPlayers;
}

void ViewCommandsTest::AFailedOpenEndsSelect() {
  QFETCH(int, cause);
  QFETCH(QString, message);
  ViewHarness h;
  std::filesystem::path path = h.dir / "Players.dbf";
  std::string bytes;  // a file that is there, unchanged by the refusal
  if (cause == -1) {
    h.SelectPath(path);
    QVERIFY(!std::filesystem::exists(path));  // never created
  } else if (cause < -1) {
    bytes = cause == -2 ? ThreePlayers().At(10, "\x67\x02").Bytes() : std::string("DBF\x03");
    if (cause == -4) bytes = ThreePlayers().Bytes();
    std::ofstream(path, std::ios::binary) << bytes;
    if (cause == -4) {
      std::filesystem::permissions(path, std::filesystem::perms::owner_read);
      h.files.Fail(FileOp::Open, FileErrorCause::AccessDenied, 0, 1);  // as for a user
    }
    h.SelectPath(path);
    QCOMPARE(ReadAll(path), bytes);
    QCOMPARE(h.files.Calls(FileOp::Write), 0);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  } else {
    ThreePlayers().WriteTo(path);
    h.files.Fail(FileOp::Open, static_cast<FileErrorCause>(cause), 0, 1);
    h.SelectPath(path);
  }
  QCOMPARE(h.messages.stops, QStringList(message.arg(QString::fromStdString(path.string()))));
  QVERIFY(h.view->File().FilePath().empty());
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  QCOMPARE(h.view->PlayerList()->count(), 0);
  QCOMPARE(h.view->TeamChoice()->count(), 0);
  QCOMPARE(h.view->RosterList()->count(), 0);
  // Select can be tried again at once.
  ThreePlayers().WriteTo(path);
  h.SelectPath(path);
  QCOMPARE(h.view->PlayerList()->count(), 3);
}

void ViewCommandsTest::TheFileDialogListsTheRosterInAnyLetterCase() {
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

void ViewCommandsTest::CancellingTheDialogChangesNothing() {
  ViewHarness h;
  h.chosen.reset();
  h.view->Select();
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  QCOMPARE(h.view->TeamChoice()->count(), 0);
  QCOMPARE(h.files.Calls(FileOp::Open), 0);
  QVERIFY(h.messages.stops.isEmpty());
}

void ViewCommandsTest::ShortFiles_data() {
  QTest::addColumn<int>("length");
  QTest::addColumn<int>("players");
  QTest::addColumn<int>("roster");
  QTest::addColumn<int>("team");
  // Record 0's LastName starts at 3828, its Team at 4008.
  QTest::newRow("no LastName") << 3828 << 0 << 0 << 0;
  QTest::newRow("first LastName byte") << 3829 << 1 << 0 << 0;
  QTest::newRow("no Team") << 4008 << 1 << 0 << 0;
  QTest::newRow("first Team byte") << 4009 << 1 << 1 << 2;
}

void ViewCommandsTest::ShortFiles() {
  QFETCH(int, length);
  QFETCH(int, players);
  QFETCH(int, roster);
  QFETCH(int, team);
  ViewHarness h;
  PlayerFileBuilder b(1);
  Player(b, 0, "Moss", "Eli", 101, 2, 4).Raw(0, FieldId::Team, "2");
  h.SelectFile(b.Truncate(static_cast<std::uint64_t>(length)));
  QVERIFY(h.messages.stops.isEmpty());
  QCOMPARE(h.view->PlayerList()->count(), players);
  QCOMPARE(h.view->RosterList()->count(), roster);
  QCOMPARE(h.ChosenTeam(), team);  // a Team cut off reads as 0
  h.view->Forward();
  QCOMPARE(h.Current(), 0);
}

void ViewCommandsTest::TabsShowOnePageAtATime() {
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
}

void ViewCommandsTest::PagesArePlacedInsideTheTabControl() {
  ViewHarness h;
  h.view->resize(700, 500);
  const QSize tab = h.view->TabControl()->size();
  const QRect expected(5, 30, tab.width() - 10, tab.height() - 35);
  QCOMPARE(h.view->Page(0)->geometry(), expected);
  QCOMPARE(h.view->Page(3)->geometry(), expected);
  QCOMPARE(h.view->Page(0)->parentWidget(), h.view->TabControl());
}

void ViewCommandsTest::AFileErrorInAWalkKeepsWhatWasDone() {
  ViewHarness h;
  PlayerFileBuilder b(5);
  for (int k = 0; k < 5; ++k) Player(b, k, std::string(1, char('E' - k)), "X", 10 + k, 1, k);
  // The header is read once, then the player list reads blocks of 1, 1
  // and 2 records: fail the block from the 3rd record on.
  h.files.Fail(FileOp::Read, FileErrorCause::HardwareIo, 3, 1);
  h.SelectFile(b);
  QCOMPARE(h.messages.stops,
           QStringList("A hardware I/O error was reported while accessing an unnamed file."));
  QCOMPARE(h.PlayerEntries(), QStringList({"D, X,   11", "E, X,   10"}));
  QVERIFY(!h.view->File().FilePath().empty());  // the open itself succeeded
  QCOMPARE(h.view->TeamChoice()->count(), 32);  // filled before the walk
  QCOMPARE(h.ChosenTeam(), -1);                 // record 0 never shown
  QCOMPARE(h.Enabled(), QStringLiteral("-C-F"));
}

void ViewCommandsTest::AFileErrorInForwardKeepsTheMove() {
  ViewHarness h;
  h.SelectFile(ThreePlayers());
  h.files.Fail(FileOp::Seek, FileErrorCause::HardwareIo, 0, 1);
  h.view->Forward();  // the length is asked first, then the display fails
  QCOMPARE(h.messages.stops.size(), 1);
  QCOMPARE(h.Current(), 1);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("101"));
  h.view->Forward();
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("103"));
}

QTEST_MAIN(ViewCommandsTest)
#include "ViewCommandsTest.moc"
