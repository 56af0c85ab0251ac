// Writes a close-up of the tool bar: Select as normal, Back under the mouse,
// Forward disabled. Usage: toolbar_snapshot OUT.png
#include <QAction>
#include <QApplication>
#include <QImage>

#include "CToolBarEx.h"
#include "TestBitmap.h"

namespace {

class PointedBar : public CToolBarEx {
 public:
  using CToolBarEx::CToolBarEx;
  QPoint pointer;

 protected:
  QPoint CursorPos() const override { return pointer; }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  QWidget owner;
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(192, 192, 192));
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Dark, QColor(128, 128, 128));
  palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
  palette.setColor(QPalette::ButtonText, Qt::black);
  owner.setPalette(palette);
  QAction select("Select"), back("Back"), forward("Forward"), about("About");
  forward.setEnabled(false);
  PointedBar bar(&owner);
  bar.LoadToolBar(IconBitmap(), {kImageWidth, kImageHeight},
                  {{32775, &select},
                   ToolBarItem::Separator(),
                   {32782, &back},
                   {32783, &forward},
                   ToolBarItem::Separator(),
                   {57664, &about}});
  bar.resize(bar.sizeHint());
  bar.pointer = bar.mapToGlobal(bar.ItemRect(2).center());
  const QImage shot = bar.grab().toImage();
  return shot.scaled(shot.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                 .save(QString::fromLocal8Bit(argv[1]))
             ? 0
             : 1;
}
