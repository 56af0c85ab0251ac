#include <set>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "Icons.h"
#include "MenuBar.h"
#include "ResourceIds.h"
#include "StringTable.h"
#include "TabControl.h"

using namespace korvale::res;

Q_DECLARE_METATYPE(const korvale::res::DialogTemplate*)

class ResourcesTest : public QObject {
  Q_OBJECT

 private slots:
  void DialogUnitsScaleByTheBaseUnits_data();
  void DialogUnitsScaleByTheBaseUnits();
  void BaseUnitsFollowTheFont();
  void EditorFormHasItsControlsById();
  void ControlsArePlacedInPixels();
  void EveryKindOfControlIsBuilt();
  void AboutBoxTemplate();
  void EveryLabelShowsItsWholeText_data();
  void EveryLabelShowsItsWholeText();
  void MenuHasTheExactStructure();
  void MenuCommandsHavePromptsAndNoShortcuts();
  void StringsSplitIntoPromptAndTip_data();
  void StringsSplitIntoPromptAndTip();
  void ToolBarBitmapHasFourImagesInSixteenColours();
};

void ResourcesTest::DialogUnitsScaleByTheBaseUnits_data() {
  QTest::addColumn<QRect>("units");
  QTest::addColumn<QSize>("base");
  QTest::addColumn<QRect>("pixels");
  QTest::newRow("classic 8 point")
      << QRect(215, 25, 104, 141) << QSize(6, 13) << QRect(323, 41, 156, 229);
  QTest::newRow("rounding") << QRect(1, 1, 3, 5) << QSize(7, 15) << QRect(2, 2, 5, 9);
  QTest::newRow("origin") << QRect(0, 0, 326, 210) << QSize(6, 13) << QRect(0, 0, 489, 341);
}

void ResourcesTest::DialogUnitsScaleByTheBaseUnits() {
  QFETCH(QRect, units);
  QFETCH(QSize, base);
  QFETCH(QRect, pixels);
  QCOMPARE(DialogUnitsToPixels(units, base), pixels);
}

void ResourcesTest::BaseUnitsFollowTheFont() {
  QFont small = DialogFont(EditorFormTemplate());
  QFont large = small;
  large.setPointSize(small.pointSize() * 2);
  const QSize a = DialogBaseUnits(small);
  const QSize b = DialogBaseUnits(large);
  QVERIFY(a.width() > 0 && a.height() > 0);
  QVERIFY(b.width() > a.width());
  QVERIFY(b.height() > a.height());
  QCOMPARE(a.height(), QFontMetrics(small).height());
}

void ResourcesTest::EditorFormHasItsControlsById() {
  QWidget form;
  const ControlMap controls = BuildDialog(EditorFormTemplate(), &form);
  QVERIFY(controls.Get<TabControl>(kIdTabControl));
  QVERIFY(controls.Get<QComboBox>(kIdPlayerList));
  QVERIFY(controls.Get<QComboBox>(kIdTeamChoice));
  QVERIFY(controls.Get<QListWidget>(kIdRosterList));
  auto* id = controls.Get<QLineEdit>(kIdPlayerIdDisplay);
  QVERIFY(id);
  QVERIFY(!id->isEnabled());
  QVERIFY(id->hasFrame());
  QCOMPARE(id->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);  // no alignment style
  QCOMPARE(controls.Find(4242), nullptr);
  QCOMPARE(controls.Get<QListWidget>(kIdPlayerList), nullptr);
  QCOMPARE(controls.InOrder().size(), EditorFormTemplate().controls.size());
  auto* label = qobject_cast<QLabel*>(controls.InOrder()[1]);
  QVERIFY(label);
  QCOMPARE(label->text(), QStringLiteral("PlayerID:"));
}

void ResourcesTest::ControlsArePlacedInPixels() {
  QWidget form;
  const ControlMap controls = BuildDialog(EditorFormTemplate(), &form);
  const QSize base = DialogBaseUnits(DialogFont(EditorFormTemplate()));
  QCOMPARE(form.size(), DialogUnitsToPixels(QRect(0, 0, 326, 210), base).size());
  QCOMPARE(controls.Find(kIdTabControl)->geometry(),
           DialogUnitsToPixels(QRect(0, 0, 212, 203), base));
  QCOMPARE(controls.Find(kIdRosterList)->geometry(),
           DialogUnitsToPixels(QRect(215, 55, 104, 125), base));
  // A drop-down list keeps its closed height; the rest is its open list.
  auto* combo = controls.Get<QComboBox>(kIdPlayerList);
  const QRect expected = DialogUnitsToPixels(QRect(215, 25, 104, 141), base);
  QCOMPARE(combo->geometry().topLeft(), expected.topLeft());
  QCOMPARE(combo->width(), expected.width());
  QVERIFY(combo->height() < expected.height());
  QVERIFY(combo->maxVisibleItems() > 5);
}

void ResourcesTest::EveryKindOfControlIsBuilt() {
  using enum ControlKind;
  static constexpr ControlTemplate kControls[] = {
      {10, Label, style::kNone, 0, 0, 20, 20, "two\nlines"},
      {11, Edit, style::kReadOnly | style::kBorder, 0, 0, 20, 12, "x"},
      {12, CheckBox, style::kLeftText, 0, 0, 40, 10, "Flag"},
      {13, GroupBox, style::kNone, 0, 0, 40, 40, "Group"},
      {16, GroupBox, style::kCenter, 0, 0, 40, 40, "Centred"},
      {14, EtchedFrame, style::kHidden, 0, 0, 40, 40, {}},
      {15, ListBox, style::kVScroll, 0, 0, 40, 40, {}},
  };
  static constexpr DialogTemplate kDialog{1, 100,          100,      "Caption", "MS Sans Serif",
                                          8, style::kNone, kControls};
  QWidget dialog;
  const ControlMap controls = BuildDialog(kDialog, &dialog);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Caption"));
  QCOMPARE(controls.Get<QLabel>(10)->text(), QStringLiteral("two\nlines"));
  QVERIFY(controls.Get<QLabel>(10)->wordWrap());
  QVERIFY(controls.Get<QLineEdit>(11)->isReadOnly());
  QCOMPARE(controls.Get<QCheckBox>(12)->layoutDirection(), Qt::RightToLeft);
  QCOMPARE(controls.Get<QGroupBox>(13)->alignment(), Qt::AlignLeft);
  QCOMPARE(controls.Get<QGroupBox>(16)->alignment(), Qt::AlignHCenter);
  QVERIFY(controls.Find(14)->isHidden());
  QVERIFY(controls.Get<QListWidget>(15));
}

void ResourcesTest::AboutBoxTemplate() {
  QWidget box;
  const ControlMap controls = BuildDialog(korvale::res::AboutBoxTemplate(), &box);
  QCOMPARE(box.windowTitle(), QStringLiteral("About Korvale"));
  auto* ok = controls.Get<QPushButton>(kIdOk);
  QVERIFY(ok);
  QVERIFY(ok->isDefault());
  QStringList texts;
  int frames = 0;
  bool icon = false;
  for (QWidget* w : controls.InOrder()) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (!label->pixmap().isNull()) icon = true;
      if (!label->text().isEmpty()) texts << label->text();
    } else if (auto* frame = qobject_cast<QFrame*>(w); frame && !qobject_cast<QLabel*>(w)) {
      ++frames;
    }
  }
  QVERIFY(icon);
  QCOMPARE(frames, 3);
  QCOMPARE(texts, QStringList({"Courtline '98 Editor", "Version: 0.2 Beta", "1/26/98"}));
}

void ResourcesTest::EveryLabelShowsItsWholeText_data() {
  QTest::addColumn<const DialogTemplate*>("dialog");
  QTest::newRow("about box") << &korvale::res::AboutBoxTemplate();
  QTest::newRow("editor form") << &EditorFormTemplate();
  QTest::newRow("Player Data") << &PlayerDataPageTemplate();
  QTest::newRow("Player Data 2") << &PlayerData2PageTemplate();
  QTest::newRow("Player Ratings") << &PlayerRatingsPageTemplate();
  QTest::newRow("Season Stats") << &SeasonStatsPageTemplate();
}

// Laid out as the label lays itself out, every text keeps all its lines
// inside the label's box.
void ResourcesTest::EveryLabelShowsItsWholeText() {
  QFETCH(const DialogTemplate*, dialog);
  QWidget form;
  const ControlMap controls = BuildDialog(*dialog, &form);
  for (QWidget* w : controls.InOrder()) {
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->text().isEmpty()) continue;
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
  }
}

namespace {

// "text" for commands, "-" for separators, "text>(...)" for popups.
QString Outline(const QList<QAction*>& actions) {
  QStringList parts;
  for (QAction* action : actions) {
    if (action->isSeparator()) {
      parts << "-";
    } else if (action->menu()) {
      parts << action->text() + ">(" + Outline(action->menu()->actions()) + ")";
    } else {
      parts << action->text();
    }
  }
  return parts.join('|');
}

}  // namespace

void ResourcesTest::MenuHasTheExactStructure() {
  QMenuBar bar;
  const CommandActions actions = BuildMenuBar(MainMenu(), &bar);
  QCOMPARE(Outline(bar.actions()),
           QStringLiteral("&File>(&Select>(Players.dbf...)|&Close>(Players.dbf)|-|E&xit)|"
                          "&Record>(&Forward|&Back)|&View>(&Toolbar|&Status Bar)|"
                          "&Help>(&About Courtline 98 Editor...)"));
  const std::set<int> ids = {kIdSelect, kIdClose, kIdExit,          kIdForward,
                             kIdBack,   kIdAbout, kIdViewStatusBar, kIdViewToolBar};
  QCOMPARE(actions.size(), ids.size());
  for (int id : ids) QCOMPARE(actions.at(id)->data().toInt(), id);
}

void ResourcesTest::MenuCommandsHavePromptsAndNoShortcuts() {
  QMenuBar bar;
  const CommandActions actions = BuildMenuBar(MainMenu(), &bar);
  for (const auto& [id, action] : actions) QVERIFY(action->shortcuts().isEmpty());
  QCOMPARE(actions.at(kIdBack)->statusTip(), QStringLiteral("Moves to  the previous record"));
  QCOMPARE(actions.at(kIdClose)->statusTip().trimmed(), QString());
}

void ResourcesTest::StringsSplitIntoPromptAndTip_data() {
  QTest::addColumn<int>("id");
  QTest::addColumn<QString>("prompt");
  QTest::addColumn<QString>("tip");
  QTest::newRow("select") << kIdSelect << "Select the Player Data File"
                          << "Select Player File";
  QTest::newRow("back") << kIdBack << "Moves to  the previous record"
                        << "Previous Record";
  QTest::newRow("close has none") << kIdClose << ""
                                  << "";
  QTest::newRow("idle") << kIdIdleMessage << "Ready"
                        << "";
  QTest::newRow("scroll") << kIdIndicatorScroll << "SCRL"
                          << "";
}

void ResourcesTest::StringsSplitIntoPromptAndTip() {
  QFETCH(int, id);
  QFETCH(QString, prompt);
  QFETCH(QString, tip);
  QCOMPARE(StatusPrompt(id), prompt);
  QCOMPARE(ToolTip(id), tip);
}

void ResourcesTest::ToolBarBitmapHasFourImagesInSixteenColours() {
  const QImage strip = ToolBarBitmap().toImage();
  QCOMPARE(strip.size(), QSize(128, 30));
  std::set<QRgb> colours;
  for (int y = 0; y < strip.height(); ++y) {
    for (int x = 0; x < strip.width(); ++x) colours.insert(strip.pixel(x, y) & 0xFFFFFFU);
  }
  const std::set<QRgb> standard = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (QRgb c : colours) QVERIFY2(standard.count(c) == 1, qPrintable(QString::number(c, 16)));
  QImage previous;
  for (int i = 0; i < 4; ++i) {
    const QImage image = strip.copy(i * 32, 0, 32, 30);
    QVERIFY(image != previous);  // four different drawings
    previous = image;
  }
  QVERIFY(!ApplicationIcon().isNull());
}

QTEST_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
