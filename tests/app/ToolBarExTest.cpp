#include <QAction>
#include <QStatusTipEvent>
#include <QTimerEvent>
#include <QtTest>

#include "CToolBarEx.h"
#include "TestBitmap.h"

using Stage = ToolBarCustomDraw::Stage;

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

struct Drawn {
  unsigned stage;
  int command;
  QRect rect;
  unsigned state;
  bool operator==(const Drawn&) const = default;
};

// The bar's owner: answers the drawing stages and collects status prompts.
class Owner : public QWidget, public ToolBarCustomDraw {
 public:
  unsigned preReply = 0;
  QHash<int, unsigned> itemReplies;
  QList<Drawn> drawn;
  QStringList prompts;

  unsigned ToolBarCustomDrawNotify(const Notification& n) override {
    drawn.append({n.stage, n.itemSpec, n.rect, n.itemState});
    if (n.stage == kPrePaint) return preReply;
    return n.stage == kItemPrePaint ? itemReplies.value(n.itemSpec) : 0;
  }

 protected:
  bool event(QEvent* e) override {
    if (e->type() != QEvent::StatusTip) return QWidget::event(e);
    prompts.append(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
};

class RecordingBar : public CToolBarEx {
 public:
  using CToolBarEx::CToolBarEx;
  QPoint cursor{-1000, -1000};
  QList<QPair<QRect, bool>> invalidated;

 protected:
  void InvalidateButton(const QRect& rect, bool erase) override {
    invalidated.append({rect, erase});
    CToolBarEx::InvalidateButton(rect, erase);
  }
  QPoint CursorPos() const override { return cursor; }
};

}  // namespace

class ToolBarExTest : public QObject {
  Q_OBJECT

  Owner* owner_ = nullptr;
  RecordingBar* bar_ = nullptr;
  QAction *select_, *back_, *forward_, *about_;

  void Load(QList<ToolBarItem> items = {}) {
    if (items.isEmpty()) {
      items = {{kSelect, select_},   ToolBarItem::Separator(), {kBack, back_},
               {kForward, forward_}, ToolBarItem::Separator(), {kAbout, about_}};
    }
    QVERIFY(bar_->LoadToolBar(SquaresBitmap(), {kImageWidth, kImageHeight}, items));
    bar_->resize(bar_->sizeHint());
    bar_->invalidated.clear();
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
    bar_ = new RecordingBar(owner_);
    Load();
  }
  void cleanup() { delete owner_; }

  void layoutFollowsItemsAndBorders() {
    QCOMPARE(bar_->ButtonCount(), 6);
    QCOMPARE(Rect(kSelect), QRect(10, 2, 39, 37));
    QCOMPARE(bar_->ItemRect(1), QRect(49, 2, 8, 37));
    QCOMPARE(Rect(kBack), QRect(57, 2, 39, 37));
    QCOMPARE(Rect(kAbout), QRect(143, 2, 39, 37));
    QCOMPARE(bar_->sizeHint(), QSize(184, 41));
    QCOMPARE(bar_->ImageOffset(), QPoint(3, 3));
    bar_->SetButtonText(0, "Select");
    bar_->grab();
    QCOMPARE(bar_->ImageOffset(), QPoint(3, 2));  // captions put the image at the top border
    QVERIFY(!bar_->LoadToolBar(QImage(), {32, 30}, {}));
  }

  void movingToTheNextButtonRepaintsExactlyThoseTwo() {
    MoveTo(Rect(kBack).center());
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kBack));
    QCOMPARE(Edges(Rect(kBack)), Edge(kHigh, kShadow));
    bar_->invalidated.clear();
    MoveTo(Rect(kForward).center());
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kForward));
    const QList<QPair<QRect, bool>> expected{{Rect(kBack), false}, {Rect(kForward), false}};
    QCOMPARE(bar_->invalidated, expected);
    QCOMPARE(Edges(Rect(kBack)), Edge(kFace, kFace));
    QCOMPARE(Edges(Rect(kForward)), Edge(kHigh, kShadow));
    bar_->invalidated.clear();
    MoveTo(Rect(kForward).center() + QPoint(1, 1));  // staying on it repaints nothing
    QVERIFY(bar_->invalidated.isEmpty());
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

  void separatorsAndGripper_data() {
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<bool>("floating");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("separatorDrawn");
    QTest::addColumn<bool>("gripperDrawn");
    QTest::newRow("8 wide") << Qt::Horizontal << false << 8 << true << true;
    QTest::newRow("9 wide") << Qt::Horizontal << false << 9 << false << true;
    QTest::newRow("floating") << Qt::Horizontal << true << 8 << true << false;
    QTest::newRow("vertical") << Qt::Vertical << false << 8 << true << true;
    QTest::newRow("vertical floating") << Qt::Vertical << true << 8 << false << false;
  }
  void separatorsAndGripper() {
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, width);
    QFETCH(bool, floating);
    bar_->SetOrientation(orientation);
    bar_->SetFloating(floating);
    Load({{kSelect, select_}, ToolBarItem::Separator(width), {kBack, back_}});
    const QImage img = bar_->grab().toImage();
    const QRect sep = bar_->ItemRect(1);
    const bool horizontal = orientation == Qt::Horizontal;
    const int y = (2 * (sep.bottom() + 1) + 5) / 2;  // vertical: the etched line's bottom row
    const QPoint line = horizontal ? QPoint(sep.left() + (sep.width() - 1) / 2, sep.top() + 9)
                                   : QPoint(sep.left() - 30, y - 1);
    const QPoint lit = line + (horizontal ? QPoint(1, 0) : QPoint(0, 1));
    const bool etched = img.pixel(line) == kShadow.rgb() && img.pixel(lit) == kHigh.rgb();
    QTEST(etched, "separatorDrawn");
    QVERIFY(etched || (img.pixel(line) == kFace.rgb() && img.pixel(lit) == kFace.rgb()));
    // The gripper: two raised 3-pixel bars, 4 pixels in from the edges.
    const auto at = [&](int along) { return horizontal ? QPoint(along, 10) : QPoint(10, along); };
    const QList<QRgb> grip{img.pixel(at(4)), img.pixel(at(6)), img.pixel(at(7)), img.pixel(at(9))};
    const QList<QRgb> raised{kHigh.rgb(), kShadow.rgb(), kHigh.rgb(), kShadow.rgb()};
    const QList<QRgb> none(4, kFace.rgb());
    QTEST(grip == raised, "gripperDrawn");
    if (grip != raised) QCOMPARE(grip, none);
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
    QCOMPARE(bar_->Colors().face, face);
    QTEST(bar_->Colors().light3d, "expected");
    // The next paint uses them: fill and the bitmap's grey ground become the face colour.
    QCOMPARE(QColor(Pixel(Rect(kSelect).topLeft() + QPoint(5, 5))), face);
    QCOMPARE(QColor(Pixel(Square(Rect(kSelect)) - QPoint(1, 0))), face);
  }

  void idleUpdateRepaintsOnlyChangedButtons() {
    bar_->UpdateButtons();
    QVERIFY(bar_->invalidated.isEmpty());
    back_->setEnabled(false);  // Back on the first record
    bar_->UpdateButtons();
    const QList<QPair<QRect, bool>> expected{{Rect(kBack), true}};
    QCOMPARE(bar_->invalidated, expected);
    QCOMPARE(bar_->ButtonWord(bar_->CommandToIndex(kBack)) >> 16 & ButtonState::kEnabled, 0u);
  }

  void hoverTickFlattensOnlyOutsideTheBar() {
    MoveTo(Rect(kBack).center());
    const int timer = bar_->HoverTimerId();
    QVERIFY(timer != 0);
    bar_->invalidated.clear();
    Tick(timer + 1000);                              // someone else's timer
    bar_->cursor = bar_->mapToGlobal(QPoint(2, 2));  // off the button, still on the bar
    Tick(timer);
    QCOMPARE(bar_->HotIndex(), bar_->CommandToIndex(kBack));
    QCOMPARE(bar_->HoverTimerId(), timer);
    QVERIFY(bar_->invalidated.isEmpty());
    bar_->cursor = bar_->mapToGlobal(QPoint(2, -5));
    Tick(timer);
    QCOMPARE(bar_->HotIndex(), -1);
    QCOMPARE(bar_->HoverTimerId(), 0);
    const QList<QPair<QRect, bool>> expected{{Rect(kBack), false}};
    QCOMPARE(bar_->invalidated, expected);
  }

  void ownerTakesPartInDrawing_data() {
    QTest::addColumn<unsigned>("preReply");
    QTest::addColumn<unsigned>("backReply");
    QTest::addColumn<QList<unsigned>>("stages");  // for Back, between the pre- and post-paint
    QTest::addColumn<bool>("backDrawn");
    const unsigned items = ToolBarCustomDraw::kNotifyItemDraw;
    const unsigned post = ToolBarCustomDraw::kNotifyPostPaint;
    QTest::newRow("no reply") << 0u << 0u << QList<unsigned>{} << true;
    QTest::newRow("items") << items << 0u << QList<unsigned>{Stage::kItemPrePaint} << true;
    QTest::newRow("skip default") << items << unsigned(ToolBarCustomDraw::kSkipDefault)
                                  << QList<unsigned>{Stage::kItemPrePaint} << false;
    QTest::newRow("post-paint") << (items | post) << post
                                << QList<unsigned>{Stage::kItemPrePaint, Stage::kItemPostPaint}
                                << true;
  }
  void ownerTakesPartInDrawing() {
    QFETCH(unsigned, preReply);
    QFETCH(unsigned, backReply);
    QFETCH(QList<unsigned>, stages);
    owner_->preReply = preReply;
    owner_->itemReplies[kBack] = backReply;
    forward_->setEnabled(false);
    bar_->UpdateButtons();
    const QImage img = bar_->grab().toImage();
    QTEST(img.pixel(Square(Rect(kBack))) == QColor(Qt::black).rgb(), "backDrawn");
    QCOMPARE(QColor(img.pixel(Square(Rect(kForward)))), kShadow);
    QList<unsigned> seen;
    for (const Drawn& d : owner_->drawn) {
      if (d.command == kBack) seen.append(d.stage);
      if (d.stage == Stage::kItemPrePaint && d.command == kForward) {
        QCOMPARE(d.state, unsigned(ToolBarCustomDraw::kDisabled));
        QCOMPARE(d.rect, Rect(kForward));
      }
    }
    QCOMPARE(seen, stages);
    QCOMPARE(owner_->drawn.first().stage, unsigned(Stage::kPrePaint));
    QCOMPARE(owner_->drawn.last().stage == Stage::kPostPaint,
             (preReply & ToolBarCustomDraw::kNotifyPostPaint) != 0);
  }

  void paintDrawsOnlyButtonsInTheUpdateRect() {
    owner_->preReply = ToolBarCustomDraw::kNotifyItemDraw;
    QPixmap pixmap(bar_->size());
    bar_->render(&pixmap, QPoint(), QRegion(Rect(kForward).adjusted(2, 2, -2, -2)));
    QList<int> commands;
    for (const Drawn& d : owner_->drawn) {
      if (d.stage == Stage::kItemPrePaint) commands.append(d.command);
    }
    QCOMPARE(commands, QList<int>{kForward});
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

  void imageListBuiltPerPaintUnlessTheBarHasOne() {
    bar_->grab();
    QVERIFY(bar_->ImageListBuilt());
    QImage red(kImageWidth, kImageHeight, QImage::Format_ARGB32);
    red.fill(Qt::red);
    bar_->SetImageList(ToolBarImageList({red, red, red, red}));
    QCOMPARE(QColor(Pixel(Square(Rect(kBack)))), QColor(Qt::red));
    QVERIFY(!bar_->ImageListBuilt());
  }

  void flatOffLeavesHoverAlone() {
    bar_->SetFlat(false);
    MoveTo(Rect(kBack).center());
    QCOMPARE(bar_->HotIndex(), -1);
    QCOMPARE(bar_->HoverTimerId(), 0);
    QVERIFY(bar_->invalidated.isEmpty());
  }
};

QTEST_MAIN(ToolBarExTest)
#include "ToolBarExTest.moc"
