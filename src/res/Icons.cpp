#include "Icons.h"

#include <QBitmap>

#include "Images.h"

namespace korvale::res {

QIcon ApplicationIcon() { return QIcon(QPixmap(ApplicationIconXpm().data())); }

QPixmap ToolBarBitmap() { return QPixmap(ToolBarBitmapXpm().data()); }

QPixmap ToolBarImage(int index) {
  QPixmap image =
      ToolBarBitmap().copy(index * kToolBarImageWidth, 0, kToolBarImageWidth, kToolBarImageHeight);
  // The bitmap's grey background stands for the button face.
  image.setMask(image.createMaskFromColor(QColor(0xC0, 0xC0, 0xC0)));
  return image;
}

}  // namespace korvale::res
