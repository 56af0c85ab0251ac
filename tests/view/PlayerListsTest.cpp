#include <QLineEdit>
#include <QTest>

#include "ListEntries.h"
#include "ListOrder.h"
#include "ListText.h"
#include "ViewHarness.h"
#include "Windows1252.h"

using namespace korvale;
using namespace korvale::testing;

class PlayerListsTest : public QObject {
  Q_OBJECT

 private slots:
  void EntriesShowNamesAndTheRawPlayerId();
  void ListsSortCaseInsensitively();
  void RosterNumbersFollowTheSlot_data();
  void RosterNumbersFollowTheSlot();
  void ChoosingAPlayerShowsTheRecord();
  void APickShowsThePlayerPickedWhateverTheIds();
  void TheCutShortLastRecordIsShownWhenPicked();
  void ATeamCodeOutsideTheChoiceSelectsNothing();
  void ChangingTheTeamByHandKeepsThePlayer();
  void ClickingARosterEntryShowsThePlayer();
  void SelectionsSetByTheProgramNeverChoose();
  void AFileErrorInAChoiceKeepsTheRecordMadeCurrent();
  void ListTextIsTheFileBytesDecoded();
};

void PlayerListsTest::EntriesShowNamesAndTheRawPlayerId() {
  ViewHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss  ", "Eli   ", 1, 0, 0);
  Player(b, 1, "  Lead", "Space", 22, 0, 1);
  b.Raw(2, FieldId::LastName, "Tab\t\t")
      .Raw(2, FieldId::FirstName, "Jo")
      .Raw(2, FieldId::PlayerId, "12  ");
  h.SelectFile(b);
  QCOMPARE(h.PlayerEntries(),
           QStringList({"  Lead, Space,   22", "Moss, Eli,    1", "Tab, Jo, 12  "}));
}

void PlayerListsTest::ListsSortCaseInsensitively() {
  ViewHarness h;
  PlayerFileBuilder b(4);
  Player(b, 0, "baker", "a", 1, 3, 0);
  Player(b, 1, "ADAMSON", "b", 2, 3, 0);
  Player(b, 2, "Adams", "c", 3, 3, 0);
  Player(b, 3, "Baker", "B", 4, 3, 0);
  h.SelectFile(b);
  QCOMPARE(h.PlayerEntries(),
           QStringList({"Adams, c,    3", "ADAMSON, b,    2", "baker, a,    1", "Baker, B,    4"}));
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Adams, c,    3", " 1 |  ADAMSON, b,    2",
                                           " 1 |  baker, a,    1", " 1 |  Baker, B,    4"}));
}

void PlayerListsTest::RosterNumbersFollowTheSlot_data() {
  QTest::addColumn<QList<int>>("rosterSlots");
  QTest::addColumn<QStringList>("roster");
  QTest::newRow("one and two digits in slot order")
      << QList<int>{11, 0, 9, 1}
      << QStringList(
             {" 1 |  P1, F,    1", " 2 |  P3, F,    3", "10 |  P2, F,    2", "12 |  P0, F,    0"});
  QTest::newRow("99 has no number, -1 is 0")
      << QList<int>{99, -1, 98}
      << QStringList({" 0 |  P1, F,    1", "99 |  P2, F,    2", "P0, F,    0"});
}

void PlayerListsTest::RosterNumbersFollowTheSlot() {
  QFETCH(QList<int>, rosterSlots);
  QFETCH(QStringList, roster);
  ViewHarness h;
  PlayerFileBuilder b(static_cast<int>(rosterSlots.size()));
  for (int k = 0; k < rosterSlots.size(); ++k) {
    Player(b, k, "P" + std::to_string(k), "F", k, 5, rosterSlots[k]);
  }
  h.SelectFile(b);
  QCOMPARE(h.RosterEntries(), roster);
}

void PlayerListsTest::ChoosingAPlayerShowsTheRecord() {
  ViewHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  Player(b, 2, "Cole", "Ray", 103, 2, 0);
  h.SelectFile(b);
  h.PickPlayer("Avery, Tom,  102");
  QCOMPARE(h.Current(), 1);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("102"));
  QCOMPARE(h.ChosenTeam(), 4);
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Avery, Tom,  102"}));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Avery, Tom,  102"));
  QVERIFY(h.messages.stops.isEmpty());
}

void PlayerListsTest::APickShowsThePlayerPickedWhateverTheIds() {
  ViewHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Zed", "A", 7, 1, 0);
  Player(b, 1, "Other", "B", 8, 1, 1);
  Player(b, 2, "Alpha", "C", 7, 2, 0);
  h.SelectFile(b);
  // Two records share an id: each entry still stands for its own record.
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Zed, A,    7"));
  h.PickPlayer("Alpha, C,    7");
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.ChosenTeam(), 2);
  h.view->Back();
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Other, B,    8"));
  h.PickPlayer("Zed, A,    7");
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.ChosenTeam(), 1);
  h.ClickRoster(1);  // " 2 |  Other, B, 8"
  QCOMPARE(h.Current(), 1);
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Other, B,    8"));
}

void PlayerListsTest::TheCutShortLastRecordIsShownWhenPicked() {
  ViewHarness h;
  PlayerFileBuilder b(2);
  Player(b, 0, "First", "A", 5, 1, 0);
  Player(b, 1, "Last", "B", 6, 1, 1).Raw(1, FieldId::PlayerId, "1234");
  // Only the first byte of record 1's PlayerId is in the file: the record
  // reads as 1, its entry ends in "B, 1", which reads as 0.
  b.Truncate(Field(FieldId::PlayerId).OffsetIn(1) + 1);
  h.SelectFile(b);
  const QString cut = h.PlayerEntries().at(1);
  QCOMPARE(cut, QStringLiteral("Last, B, 1"));
  h.PickPlayer(cut);
  QCOMPARE(h.Current(), 1);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("1"));
}

void PlayerListsTest::ATeamCodeOutsideTheChoiceSelectsNothing() {
  ViewHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Odd", "Team", 1, 40, 0);
  Player(b, 1, "Minus", "One", 2, -1, 2);
  Player(b, 2, "Plain", "Team", 3, 0, 0);
  h.SelectFile(b);
  QCOMPARE(h.ChosenTeam(), -1);
  QCOMPARE(h.RosterEntries(), QStringList({" 3 |  Minus, One,    2"}));
  h.view->Forward();
  h.view->Forward();
  QCOMPARE(h.ChosenTeam(), 0);
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Plain, Team,    3"}));
}

void PlayerListsTest::ChangingTheTeamByHandKeepsThePlayer() {
  ViewHarness h;
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  Player(b, 2, "Cole", "Ray", 103, 2, 0);
  h.SelectFile(b);
  h.PickTeam(4);
  QCOMPARE(h.ChosenTeam(), 4);
  QCOMPARE(h.RosterEntries(), QStringList({" 1 |  Avery, Tom,  102"}));
  QCOMPARE(h.Current(), 0);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("101"));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Moss, Eli,  101"));
  h.PickTeam(28);
  QCOMPARE(h.RosterEntries(), QStringList());
  h.view->Forward();
  h.view->Back();  // the next display switches back to the shown player's team
  QCOMPARE(h.ChosenTeam(), 2);
  QCOMPARE(h.RosterEntries().size(), 2);
}

void PlayerListsTest::ClickingARosterEntryShowsThePlayer() {
  ViewHarness h;
  h.view->show();
  QVERIFY(QTest::qWaitForWindowExposed(h.view.get()));
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  Player(b, 2, "Cole", "Ray", 103, 2, 0);
  h.SelectFile(b);
  h.ClickRoster(0);  // " 1 |  Cole, Ray,  103"
  QCOMPARE(h.Current(), 2);
  QCOMPARE(h.view->PlayerIdDisplay()->text(), QStringLiteral("103"));
  QCOMPARE(h.ChosenPlayer(), QStringLiteral("Cole, Ray,  103"));
  QCOMPARE(h.RosterEntries().size(), 2);  // kept, with its selection
  QCOMPARE(h.view->RosterList()->currentRow(), 0);
  QVERIFY(h.messages.stops.isEmpty());
  // Ctrl+click does not take the entry away, and trying reads nothing.
  QListWidget* list = h.view->RosterList();
  const int reads = h.files.Calls(FileOp::Read);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(0)).center());
  QCOMPARE(list->selectedItems().size(), 1);
  QCOMPARE(list->row(list->selectedItems().front()), 0);
  QCOMPARE(h.files.Calls(FileOp::Read), reads);
  QCOMPARE(h.Current(), 2);
}

void PlayerListsTest::SelectionsSetByTheProgramNeverChoose() {
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
  h.ClickRoster(0);
  QCOMPARE(h.Current(), 1);
  h.view->Back();     // rebuilds the roster list and selects in the player list
  h.view->Forward();  // and again
  QCOMPARE(h.Current(), 1);
  h.view->Close();
  QCOMPARE(h.Current(), 0);
  QVERIFY(h.messages.stops.isEmpty());
}

void PlayerListsTest::AFileErrorInAChoiceKeepsTheRecordMadeCurrent() {
  ViewHarness h;
  PlayerFileBuilder b(4);
  for (int k = 0; k < 4; ++k) Player(b, k, "N" + std::to_string(k), "F", 9, 1, k);
  h.SelectFile(b);
  // The record is made current, then its display fails on the third read.
  h.files.Fail(FileOp::Read, FileErrorCause::HardwareIo, 3, 1);
  h.PickPlayer("N3, F,    9");
  QCOMPARE(h.messages.stops.size(), 1);
  QCOMPARE(h.Current(), 3);
}

// Each byte is one shown character, and file texts sort as their shown
// texts compare without letter case.
void PlayerListsTest::ListTextIsTheFileBytesDecoded() {
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

QTEST_MAIN(PlayerListsTest)
#include "PlayerListsTest.moc"
