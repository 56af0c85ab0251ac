#include "Icons.h"

#include "Images.h"

namespace korvale::res {

QIcon ApplicationIcon() { return QIcon(QPixmap(ApplicationIconXpm().data())); }

QPixmap ToolBarBitmap() { return QPixmap(ToolBarBitmapXpm().data()); }

}  // namespace korvale::res
