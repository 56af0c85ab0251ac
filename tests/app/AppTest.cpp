#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "CAboutDlg.h"
#include "CKorvaleApp.h"
#include "CKorvaleView.h"
#include "CMainFrame.h"
#include "CToolBarEx.h"
#include "FrameHarness.h"
#include "LockKeyPanes.h"
#include "ResourceIds.h"
#include "ViewHarness.h"

using namespace korvale;
using namespace korvale::testing;
namespace res = korvale::res;

namespace {

PlayerFileBuilder TwoPlayers() {
  PlayerFileBuilder b(2);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  return b;
}

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { CKorvaleApp::SetApplicationNames(); }
  void FrameTitleSizeAndNames();
  void ToolBarHasItsButtonsAndStaysPut();
  void CommandsFollowTheViewAfterEachCommand();
  void OpeningAMenuRefreshesTheStates();
  void HidingTheBarsKeepsTheCommandsWorking();
  void PromptsReplaceReadyWhileShown();
  void LockKeyPanesFollowTheKeys();
  void AboutBoxClosesWithEnterAndEscape_data();
  void AboutBoxClosesWithEnterAndEscape();
  void CommandLineFileOpensNoPlayerFile();
  void CommandLineFileThatCannotBeOpenedEndsTheProgram();
  void VersionIsTheOnlyOptionOfItsOwn();
};

void AppTest::FrameTitleSizeAndNames() {
  FrameHarness h;
  QCOMPARE(h.frame.windowTitle(), QStringLiteral("Korvale"));
  QCOMPARE(h.frame.size(), QSize(505, 455));
  QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Korvale"));
  QCOMPARE(QCoreApplication::organizationName(),
           QStringLiteral("Local AppWizard-Generated Applications"));
  h.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&h.frame));
  QCOMPARE(h.frame.windowTitle(), QStringLiteral("Korvale"));
  const QRect screen = h.frame.screen()->availableGeometry();
  QVERIFY(qAbs(h.frame.frameGeometry().center().x() - screen.center().x()) <= 1);
  QVERIFY(qAbs(h.frame.frameGeometry().center().y() - screen.center().y()) <= 1);
  QStringList titles;
  for (QAction* a : h.frame.menuBar()->actions()) titles << a->text();
  QCOMPARE(titles, QStringList({"&File", "&Record", "&View", "&Help"}));
}

void AppTest::ToolBarHasItsButtonsAndStaysPut() {
  FrameHarness h;
  QToolBar* row = h.frame.ToolBarRow();
  QVERIFY(!row->isMovable());
  QVERIFY(!row->isFloatable());
  QCOMPARE(h.frame.toolBarArea(row), Qt::TopToolBarArea);
  CToolBarEx* bar = h.frame.ToolBar();
  QCOMPARE(bar->parentWidget(), row);
  QStringList items;
  for (int i = 0; i < bar->ButtonCount(); ++i) {
    items << (bar->ItemId(i) == 0 ? QString("-") : bar->ItemAction(i)->toolTip());
  }
  QCOMPARE(items, QStringList(
                      {"Select Player File", "-", "Previous Record", "Next Record", "-", "About"}));
  QCOMPARE(bar->ImageOffset(), QPoint(3, 3));  // 32 x 30 images on 39 x 37 buttons
  for (int id : {res::kIdSelect, res::kIdBack, res::kIdForward, res::kIdAbout}) {
    QCOMPARE(bar->ItemAction(bar->CommandToIndex(id)), h.frame.Command(id));
    QCOMPARE(bar->ItemRect(bar->CommandToIndex(id)).size(), QSize(39, 37));
    QVERIFY(!h.frame.Command(id)->isIconVisibleInMenu());
    QVERIFY(h.frame.Command(id)->shortcuts().isEmpty());
  }
  QCOMPARE(bar->focusPolicy() & Qt::ClickFocus, 0);  // a click leaves the focus where it is
}

void AppTest::CommandsFollowTheViewAfterEachCommand() {
  FrameHarness h;
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  h.chosen = QString::fromStdString(TwoPlayers().WriteTo(h.dir / "Players.dbf").string());
  h.frame.Command(res::kIdSelect)->trigger();
  QTRY_COMPARE(h.Enabled(), QStringLiteral("-C-F"));
  h.frame.Command(res::kIdForward)->trigger();
  QTRY_COMPARE(h.Enabled(), QStringLiteral("-CBF"));
  QCOMPARE(h.frame.View()->File().CurrentRecord(), 1);
  h.frame.Command(res::kIdClose)->trigger();
  QTRY_COMPARE(h.Enabled(), QStringLiteral("S---"));
}

void AppTest::OpeningAMenuRefreshesTheStates() {
  FrameHarness h;
  h.chosen = QString::fromStdString(TwoPlayers().WriteTo(h.dir / "Players.dbf").string());
  h.frame.View()->Select();  // behind the frame's back: nothing has refreshed yet
  QCOMPARE(h.Enabled(), QStringLiteral("S---"));
  emit h.frame.menuBar()->actions().at(1)->menu()->aboutToShow();
  QCOMPARE(h.Enabled(), QStringLiteral("-C-F"));
}

void AppTest::HidingTheBarsKeepsTheCommandsWorking() {
  FrameHarness h;
  h.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&h.frame));
  QAction* toggle = h.frame.Command(res::kIdViewToolBar);
  QVERIFY(toggle->isChecked());
  toggle->trigger();
  QVERIFY(h.frame.ToolBarRow()->isHidden());
  QTRY_VERIFY(!toggle->isChecked());
  h.frame.Command(res::kIdViewStatusBar)->trigger();
  QVERIFY(h.frame.statusBar()->isHidden());
  QTRY_VERIFY(!h.frame.Command(res::kIdViewStatusBar)->isChecked());

  h.chosen = QString::fromStdString(TwoPlayers().WriteTo(h.dir / "Players.dbf").string());
  h.frame.Command(res::kIdSelect)->trigger();
  QTRY_COMPARE(h.Enabled(), QStringLiteral("-C-F"));
  h.frame.Command(res::kIdForward)->trigger();
  QCOMPARE(h.frame.View()->File().CurrentRecord(), 1);
  QTRY_COMPARE(h.Enabled(), QStringLiteral("-CBF"));
  toggle->trigger();
  QVERIFY(!h.frame.ToolBarRow()->isHidden());
  QTRY_VERIFY(toggle->isChecked());
}

void AppTest::PromptsReplaceReadyWhileShown() {
  FrameHarness h;
  h.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&h.frame));
  QCOMPARE(h.frame.IdlePane()->text(), QStringLiteral("Ready"));
  h.frame.Command(res::kIdBack)->showStatusText(&h.frame);
  QCOMPARE(h.frame.statusBar()->currentMessage(), QStringLiteral("Moves to  the previous record"));
  QVERIFY(h.frame.IdlePane()->isHidden());
  h.frame.Command(res::kIdClose)->showStatusText(&h.frame);
  QCOMPARE(h.frame.statusBar()->currentMessage().trimmed(), QString());
  QVERIFY(h.frame.IdlePane()->isHidden());  // an empty pane, not "Ready"
  QStatusTipEvent done{QString()};
  QApplication::sendEvent(&h.frame, &done);
  QVERIFY(!h.frame.IdlePane()->isHidden());
  // A menu opened from the keyboard: its title, the "&Select" submenu entry
  // and the separator have no prompt and leave the pane empty.
  QVERIFY(QTest::qWaitForWindowActive(&h.frame));
  QTest::keyClick(&h.frame, Qt::Key_F, Qt::AltModifier);
  QMenu* file = h.frame.menuBar()->actions().front()->menu();
  QTRY_VERIFY(file->isVisible());
  QTRY_COMPARE(file->activeAction(), file->actions().front());  // "&Select"
  QCOMPARE(h.frame.statusBar()->currentMessage(), QStringLiteral(" "));
  QVERIFY(h.frame.IdlePane()->isHidden());
  QStatusTipEvent separator{QString()};  // what the menu sends for a separator
  QApplication::sendEvent(&h.frame, &separator);
  QVERIFY(h.frame.IdlePane()->isHidden());
  QTest::keyClick(file, Qt::Key_Escape);
  QTest::keyClick(h.frame.menuBar(), Qt::Key_Escape);
  QTRY_VERIFY(!file->isVisible());
  QTRY_VERIFY(!h.frame.IdlePane()->isHidden());  // "Ready" again
}

void AppTest::LockKeyPanesFollowTheKeys() {
  FrameHarness h;
  h.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&h.frame));
  h.frame.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&h.frame));
  LockKeyPanes* panes = h.frame.LockKeys();
  QCOMPARE(panes->Text(Qt::Key_CapsLock), QString());
  QTest::keyClick(h.frame.windowHandle(), Qt::Key_CapsLock);
  QCOMPARE(panes->Text(Qt::Key_CapsLock), QStringLiteral("CAP"));
  QTest::keyClick(h.frame.windowHandle(), Qt::Key_NumLock);
  QTest::keyClick(h.frame.windowHandle(), Qt::Key_ScrollLock);
  QCOMPARE(panes->Text(Qt::Key_NumLock), QStringLiteral("NUM"));
  QCOMPARE(panes->Text(Qt::Key_ScrollLock), QStringLiteral("SCRL"));
  QTest::keyClick(h.frame.windowHandle(), Qt::Key_CapsLock);
  QCOMPARE(panes->Text(Qt::Key_CapsLock), QString());
}

void AppTest::AboutBoxClosesWithEnterAndEscape_data() {
  QTest::addColumn<int>("key");
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AppTest::AboutBoxClosesWithEnterAndEscape() {
  QFETCH(int, key);
  CAboutDlg about;
  QCOMPARE(about.windowTitle(), QStringLiteral("About Korvale"));
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QVERIFY(about.isVisible());
  QTest::keyClick(&about, static_cast<Qt::Key>(key));
  QVERIFY(!about.isVisible());
}

void AppTest::CommandLineFileOpensNoPlayerFile() {
  TempDir dir;
  FaultyFileSystem files;
  MessageLog messages;
  const auto path = TwoPlayers().WriteTo(dir / "Players.dbf");
  const std::string before = ReadAll(path);
  CKorvaleApp app(files, messages);
  QVERIFY(app.InitInstance({QString::fromStdString(path.string())}));
  QVERIFY(app.MainFrame());
  QVERIFY(app.MainFrame()->isVisible());
  QVERIFY(app.MainFrame()->View()->File().FilePath().empty());
  QCOMPARE(app.MainFrame()->View()->PlayerList()->count(), 0);
  QCOMPARE(files.Calls(FileOp::Open), 0);
  QVERIFY(messages.stops.empty());
  QCOMPARE(ReadAll(path), before);
  CKorvaleApp plain(files, messages);
  QVERIFY(plain.InitInstance({}));
  QVERIFY(plain.MainFrame());
}

void AppTest::CommandLineFileThatCannotBeOpenedEndsTheProgram() {
  TempDir dir;
  FaultyFileSystem files;
  MessageLog messages;
  const QString missing = QString::fromStdString((dir / "Players.dbf").string());
  CKorvaleApp app(files, messages);
  QVERIFY(!app.InitInstance({missing}));
  QCOMPARE(app.MainFrame(), nullptr);
  QCOMPARE(QtTexts(messages.stops), QStringList(missing + " was not found."));
  QVERIFY(!std::filesystem::exists(dir / "Players.dbf"));
}

void AppTest::VersionIsTheOnlyOptionOfItsOwn() {
  const struct {
    std::vector<const char*> argv;
    bool asks;
  } cases[] = {
      {{"korvale", "--version"}, true},
      {{"korvale", "Players.dbf", "--version"}, true},
      {{"korvale"}, false},
      {{"korvale", "-version", "--versions", "--Version"}, false},
      {{"korvale", "--style", "fusion", "Players.dbf"}, false},
  };
  for (const auto& c : cases) {
    QCOMPARE(CKorvaleApp::AsksForVersion(static_cast<int>(c.argv.size()), c.argv.data()), c.asks);
  }
  QVERIFY(QString::fromStdString(CKorvaleApp::VersionText()).startsWith("korvale "));
}

QTEST_MAIN(AppTest)
#include "AppTest.moc"
