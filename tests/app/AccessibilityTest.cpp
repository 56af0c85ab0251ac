// What a screen reader finds through Qt's accessibility interface: a name for
// every control of every template, the label as the control's buddy, the
// current entry of a drop-down list as its name, and the flat tool bar's
// buttons as push buttons. tests/a11y reads the same through AT-SPI.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "AccessibleNames.h"
#include "CKorvaleApp.h"
#include "CToolBarEx.h"
#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "FrameHarness.h"
#include "ResourceIds.h"

using namespace korvale;
using namespace korvale::testing;
namespace res = korvale::res;

Q_DECLARE_METATYPE(const korvale::res::DialogTemplate*)

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QString NameOf(QObject* object) { return Accessible(object)->text(QAccessible::Name); }

// Labels, frames and the icon are only drawn; everything else is a control.
bool IsControl(const res::ControlTemplate& c) {
  using enum res::ControlKind;
  return c.kind != Label && c.kind != GroupBox && c.kind != EtchedFrame && c.kind != Icon;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { CKorvaleApp::SetApplicationNames(); }
  void ControlsAreCalledByTheLabelBeforeThem_data();
  void ControlsAreCalledByTheLabelBeforeThem();
  void ToolBarButtonsArePushButtonsNamedByTheirTips();
  void NoControlOfTheMainWindowIsNameless();
};

void AccessibilityTest::ControlsAreCalledByTheLabelBeforeThem_data() {
  QTest::addColumn<const res::DialogTemplate*>("dialog");
  QTest::addColumn<QStringList>("expected");  // "id=name" of some controls
  QTest::newRow("editor form") << &res::EditorFormTemplate()
                               << QStringList{"1000=Pages", "1023=PlayerID", "1003=Player list",
                                              "1004=Team", "1029=Roster"};
  QTest::newRow("player data") << &res::PlayerDataPageTemplate()
                               << QStringList{"1002=First Name",
                                              "1005=Birthdate",
                                              "1024=Birth day",
                                              "1025=Birth year",
                                              "1021=School",
                                              "1009=Height",
                                              "1011=Height in feet and inches",
                                              "1016=Draft Info Year",
                                              "1023=Draft Info Place",
                                              "1015=Original Team"};
  QTest::newRow("player ratings") << &res::PlayerRatingsPageTemplate()
                                  << QStringList{"1017=Shooting Range", "1047=Shooting Range2",
                                                 "1043=Vorn's Overall", "1015=Dunk Package"};
  QTest::newRow("season stats") << &res::SeasonStatsPageTemplate()
                                << QStringList{"1057=3 Point %", "1070=Tot.", "1071=RPG",
                                               "1050=Min Per Game"};
  QTest::newRow("player data 2")
      << &res::PlayerData2PageTemplate()
      << QStringList{QString("%1=Speech Header").arg(res::playerdata2::kSpeechHeader),
                     QString("%1=Is Created").arg(res::playerdata2::kIsCreated),
                     QString("%1=Action Photo").arg(res::playerdata2::kActionPhoto),
                     QString("%1=Hairstyle").arg(res::playerdata2::kHairStyle)};
  QTest::newRow("about box") << &res::AboutBoxTemplate() << QStringList{"1=OK"};
}

// Every control of the template is called by something: its name, or for a
// drop-down list (whose name is its current entry, empty while it shows
// none) the label of the labelled-by relation or its description. The label
// before a control is its buddy and what the screen reader reports as its
// label.
void AccessibilityTest::ControlsAreCalledByTheLabelBeforeThem() {
  QFETCH(const res::DialogTemplate*, dialog);
  QFETCH(QStringList, expected);
  QWidget form;
  const res::ControlMap controls = res::BuildDialog(*dialog, &form);
  const std::vector<res::ControlName> names = res::ControlNames(*dialog);
  QStringList named;
  for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
    if (!IsControl(dialog->controls[i])) continue;
    QWidget* widget = controls.InOrder()[i];
    auto* combo = qobject_cast<QComboBox*>(widget);
    QString called = NameOf(widget);
    const auto labels = Accessible(widget)->relations(QAccessible::Label);
    QCOMPARE(labels.size(), names[i].label >= 0 ? 1 : 0);
    for (const auto& [label, relation] : labels) {
      QCOMPARE(label->object(), controls.InOrder()[std::size_t(names[i].label)]);
      QCOMPARE(qobject_cast<QLabel*>(label->object())->buddy(), widget);
      if (combo) called = label->text(QAccessible::Name).remove(QLatin1Char(':'));
    }
    if (combo) {
      QCOMPARE(NameOf(combo), QString());
      QCOMPARE(Accessible(combo)->text(QAccessible::Description),
               labels.isEmpty() ? names[i].name : QString());
      if (labels.isEmpty()) called = names[i].name;
      combo->addItems({"None", "Center"});
      combo->setCurrentIndex(1);
      QCOMPARE(NameOf(combo), QStringLiteral("Center"));
      QCOMPARE(Accessible(combo)->text(QAccessible::Value), QStringLiteral("Center"));
    }
    if (called.isEmpty() || called.contains(QLatin1Char(':')) ||
        called.contains(QLatin1Char('&'))) {
      QFAIL(qPrintable(
          QString("control %1 is called \"%2\"").arg(dialog->controls[i].id).arg(called)));
    }
    named << QString("%1=%2").arg(dialog->controls[i].id).arg(called);
  }
  for (const QString& e : expected) QVERIFY2(named.contains(e), qPrintable(named.join(", ")));
}

void AccessibilityTest::ToolBarButtonsArePushButtonsNamedByTheirTips() {
  FrameHarness h;
  QAccessibleInterface* bar = Accessible(h.frame.ToolBar());
  QCOMPARE(bar->role(), QAccessible::ToolBar);
  QStringList buttons;
  for (int i = 0; i < bar->childCount(); ++i) {
    QAccessibleInterface* button = bar->child(i);
    QCOMPARE(button->role(), QAccessible::PushButton);
    QCOMPARE(bar->indexOfChild(button), i);
    QCOMPARE(button->parent(), bar);
    buttons << button->text(QAccessible::Name) + (button->state().disabled ? " (off)" : "");
  }
  QCOMPARE(buttons, QStringList({"Select Player File", "Previous Record (off)", "Next Record (off)",
                                 "About"}));

  QAction* back = h.frame.Command(res::kIdBack);
  QSignalSpy backs(back, &QAction::triggered);
  bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  back->setEnabled(true);
  h.frame.ToolBar()->UpdateButtons();
  QVERIFY(!bar->child(1)->state().disabled);
  QCOMPARE(bar->child(1)->actionInterface()->actionNames(),
           QStringList{QAccessibleActionInterface::pressAction()});
  bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(backs.size(), 0);  // later: the caller does not wait for the command
  // Once, for the press made while it was enabled; the one before did nothing.
  QTRY_COMPARE(backs.size(), 1);
}

// What the pages and the view build, beyond the templates, is named too; a
// drop-down list by its label or its description.
void AccessibilityTest::NoControlOfTheMainWindowIsNameless() {
  FrameHarness h;
  h.frame.show();
  QStringList nameless;
  for (QWidget* w : h.frame.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QAbstractButton*>(w) || qobject_cast<QListWidget*>(w);
    // Qt's own overflow buttons of the menu and tool bar rows are left out.
    const bool own = !w->objectName().startsWith(QLatin1String("qt_"));
    QAccessibleInterface* a = Accessible(w);
    const bool called = qobject_cast<QComboBox*>(w)
                            ? !a->relations(QAccessible::Label).isEmpty() ||
                                  !a->text(QAccessible::Description).isEmpty()
                            : !NameOf(w).isEmpty();
    if (control && own && w->window() == &h.frame && !called) {
      nameless << w->metaObject()->className() + QString(" ") + w->objectName();
    }
  }
  QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
