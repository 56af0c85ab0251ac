#include <QAction>
#include <QStatusTipEvent>
#include <QTimerEvent>
#include <QtTest>

#include "CToolBarEx.h"
#include "TestBitmap.h"

namespace {

constexpr int kSelect = 32775, kBack = 32782, kForward = 32783, kAbout = 57664;
const QColor kFace(192, 192, 192), kHigh(255, 255, 255), kShadow(128, 128, 128),
    kLight(223, 223, 223);

QPalette FixedPalette(QColor face = kFace, QColor light3d = kLight) {
  QPalette pal;
  pal.setColor(QPalette::Button, face);
  pal.setColor(QPalette::Light, kHigh);
  pal.setColor(QPalette::Dark, kShadow);
  pal.setColor(QPalette::Midlight, light3d);
  pal.setColor(QPalette::ButtonText, Qt::black);
  return pal;
}

// The bar's owner: collects status prompts.
class Owner : public QWidget {
 public:
  QStringList prompts;

 protected:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::StatusTip) return QWidget::event(e);
    prompts.append(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
};

class PointedBar : public CToolBarEx {
 public:
  using CToolBarEx::CToolBarEx;
  QPoint cursor{-1000, -1000};

 protected:
  QPoint CursorPos() const override { return cursor; }
};

}  // namespace

class ToolBarExTest : public QObject {
  Q_OBJECT

  Owner* owner_ = nullptr;
  PointedBar* bar_ = nullptr;
  QAction *select_, *back_, *forward_, *about_;

  void Load(QList<ToolBarItem> items = {}) {
    if (items.isEmpty()) {
      items = {{kSelect, select_},   ToolBarItem::Separator(), {kBack, back_},
               {kForward, forward_}, ToolBarItem::Separator(), {kAbout, about_}};
    }
    QVERIFY(bar_->LoadToolBar(SquaresBitmap(), {kImageWidth, kImageHeight}, items));
    bar_->resize(bar_->sizeHint());
  }
  QRect Rect(int command) const { return bar_->ItemRect(bar_->CommandToIndex(command)); }
  QRgb Pixel(QPoint at) const { return bar_->grab().toImage().pixel(at); }
  void MoveTo(QPoint local) {
    bar_->cursor = bar_->mapToGlobal(local);
    QMouseEvent e(QEvent::MouseMove, local, bar_->cursor, Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(bar_, &e);
  }
  void Click(QPoint press, QPoint release) {
    QMouseEvent down(QEvent::MouseButtonPress, press, press, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent up(QEvent::MouseButtonRelease, release, release, Qt::LeftButton, {}, {});
    QCoreApplication::sendEvent(bar_, &down);
    QCoreApplication::sendEvent(bar_, &up);
  }
  void Tick(int id) {
    QTimerEvent e(id);
    QCoreApplication::sendEvent(bar_, &e);
  }
  // Edge colours of a button: top, left, right, bottom sides.
  QList<QRgb> Edges(const QRect& r) const {
    const QImage img = bar_->grab().toImage();
    return {img.pixel(r.left() + 5, r.top()), img.pixel(r.left(), r.top() + 5),
            img.pixel(r.right(), r.top() + 5), img.pixel(r.left() + 5, r.bottom())};
  }
  static QList<QRgb> Edge(QColor topLeft, QColor bottomRight) {
    return {topLeft.rgb(), topLeft.rgb(), bottomRight.rgb(), bottomRight.rgb()};
  }
  // Top-left pixel of a button's square, image offset (3, 3) plus `shift`.
  static QPoint Square(const QRect& r, int shift = 0) {
    return r.topLeft() + QPoint(3, 3) + kSquare.topLeft() + QPoint(shift, shift);
  }

 private slots:
  void init() {
    owner_ = new Owner;
    owner_->setPalette(FixedPalette());
    select_ = new QAction("Select", owner_);
    back_ = new QAction("Back", owner_);
    forward_ = new QAction("Forward", owner_);
    about_ = new QAction("About", owner_);
    back_->setStatusTip("Moves to  the previous record");
    forward_->setStatusTip("Moves to the next record");
    forward_->setToolTip("Next Record");
    bar_ = new PointedBar(owner_);
    Load();
  }
  void cleanup() { delete owner_; }

  void buttonsLieInsideTheBordersAndGripperRoom() {
    QCOMPARE(bar_->ButtonCount(), 6);
    QCOMPARE(Rect(kSelect), QRect(10, 2, 39, 37));
    QCOMPARE(Rect(kAbout), QRect(143, 2, 39, 37));
    QCOMPARE(bar_->sizeHint(), QSize(184, 41));
    QVERIFY(!bar_->LoadToolBar(QImage(), {32, 30}, {}));
  }

  void movingToTheNextButtonMovesTheRaisedEdge() {
    MoveTo(Rect(kBack).center());
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kBack));
    QCOMPARE(Edges(Rect(kBack)), Edge(kHigh, kShadow));
    MoveTo(Rect(kForward).center());
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kForward));
    QCOMPARE(Edges(Rect(kBack)), Edge(kFace, kFace));
    QCOMPARE(Edges(Rect(kForward)), Edge(kHigh, kShadow));
  }

  void buttonLook_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("pointer");
    QTest::addColumn<QList<QRgb>>("edges");
    QTest::addColumn<QColor>("inner");  // just inside the edge
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<int>("shift");
    QTest::addColumn<bool>("hot");
    QTest::newRow("normal") << true << false << false << Edge(kFace, kFace) << kFace << kFace << 0
                            << false;
    QTest::newRow("hot") << true << false << true << Edge(kHigh, kShadow) << kFace << kFace << 0
                         << true;
    QTest::newRow("disabled under pointer")
        << false << false << true << Edge(kFace, kFace) << kFace << kFace << 0 << false;
    QTest::newRow("checked") << true << true << false << Edge(kShadow, kHigh) << kFace << kLight
                             << 1 << false;
    QTest::newRow("checked under pointer")
        << true << true << true << Edge(kShadow, kHigh) << kFace << kFace << 1 << true;
  }
  void buttonLook() {
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    QFETCH(bool, pointer);
    QFETCH(int, shift);
    back_->setEnabled(enabled);
    back_->setCheckable(true);
    back_->setChecked(checked);
    bar_->UpdateButtons();
    const QRect r = Rect(kBack);
    if (pointer) MoveTo(r.center());
    QTEST(bar_->HotIndex() == bar_->CommandToIndex(kBack), "hot");
    QTEST(Edges(r), "edges");
    QTEST(QColor(Pixel(r.topLeft() + QPoint(5, 1))), "inner");
    QTEST(QColor(Pixel(r.topLeft() + QPoint(5, 5))), "fill");
    const QPoint square = Square(r, shift);
    QCOMPARE(QColor(Pixel(square)), enabled ? QColor(Qt::black) : kShadow);
    QCOMPARE(Pixel(square - QPoint(1, 0)), Pixel(r.topLeft() + QPoint(5, 5)));
    // Embossed: the shape's highlight copy shows one pixel right and down.
    const QPoint pastCorner = square + kSquare.bottomRight() - kSquare.topLeft() + QPoint(1, 1);
    QCOMPARE(QColor(Pixel(pastCorner)) == kHigh, !enabled);
  }

  void separatorIsEtchedAndGripperRaised() {
    const QImage img = bar_->grab().toImage();
    const QRect sep = bar_->ItemRect(1);
    const QPoint line(sep.left() + (sep.width() - 1) / 2, sep.top() + 9);
    QCOMPARE(QColor(img.pixel(line)), kShadow);
    QCOMPARE(QColor(img.pixel(line + QPoint(1, 0))), kHigh);
    // The gripper: two raised 3-pixel bars, 4 pixels in from the edges.
    const QList<QRgb> grip{img.pixel(4, 10), img.pixel(6, 10), img.pixel(7, 10), img.pixel(9, 10)};
    QCOMPARE(grip, QList<QRgb>({kHigh.rgb(), kShadow.rgb(), kHigh.rgb(), kShadow.rgb()}));
  }

  void paletteColours_data() {
    QTest::addColumn<QColor>("light3d");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("own 3-D light") << QColor(230, 210, 190) << QColor(230, 210, 190);
    QTest::newRow("same as face") << QColor(200, 180, 160) << kHigh;
  }
  void paletteColours() {
    QFETCH(QColor, light3d);
    const QColor face(200, 180, 160);
    owner_->setPalette(FixedPalette(face, light3d));
    QCOMPARE(QColor(bar_->Colors().face), face);
    QTEST(QColor(bar_->Colors().light3d), "expected");
    // The next paint uses them: fill and the bitmap's grey ground become the face colour.
    QCOMPARE(QColor(Pixel(Rect(kSelect).topLeft() + QPoint(5, 5))), face);
    QCOMPARE(QColor(Pixel(Square(Rect(kSelect)) - QPoint(1, 0))), face);
  }

  void hoverTickFlattensOnlyOutsideTheBar() {
    MoveTo(Rect(kBack).center());
    const int timer = bar_->HoverTimerId();
    QVERIFY(timer != 0);
    bar_->cursor = bar_->mapToGlobal(QPoint(2, 2));  // off the button, still on the bar
    Tick(timer);
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kBack));
    bar_->cursor = bar_->mapToGlobal(QPoint(2, -5));
    Tick(timer);
    QCOMPARE(bar_->HotIndex(), -1);
    QCOMPARE(bar_->HoverTimerId(), 0);
  }

  void promptsClicksAndTips() {
    int selected = 0;
    connect(select_, &QAction::triggered, [&] { ++selected; });
    MoveTo(Rect(kBack).center());
    MoveTo(Rect(kForward).center());
    MoveTo(bar_->ItemRect(4).center());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar_, &leave);
    QCOMPARE(owner_->prompts,
             QStringList({"Moves to  the previous record", "Moves to the next record", ""}));
    Click(Rect(kSelect).center(), Rect(kSelect).center());
    Click(Rect(kSelect).center(), Rect(kBack).center());  // released elsewhere
    QCOMPARE(selected, 1);
    forward_->setEnabled(false);
    bar_->UpdateButtons();
    int forwarded = 0;
    connect(forward_, &QAction::triggered, [&] { ++forwarded; });
    Click(Rect(kForward).center(), Rect(kForward).center());
    QCOMPARE(forwarded, 0);
  }
};

QTEST_MAIN(ToolBarExTest)
#include "ToolBarExTest.moc"
