#include "Icons.h"

#include <QBitmap>

namespace korvale::res {

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/korvale/icon128.xpm")); }

QPixmap ToolBarBitmap() { return QPixmap(QStringLiteral(":/korvale/toolbar128.xpm")); }

QPixmap ToolBarImage(int index) {
  QPixmap image =
      ToolBarBitmap().copy(index * kToolBarImageWidth, 0, kToolBarImageWidth, kToolBarImageHeight);
  // The bitmap's grey background stands for the button face.
  image.setMask(image.createMaskFromColor(QColor(0xC0, 0xC0, 0xC0)));
  return image;
}

}  // namespace korvale::res
