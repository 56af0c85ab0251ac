#pragma once

#include <QLineEdit>
#include <QWidget>

// An edit of a page by its template id: the builder names each control
// after its id.
inline QLineEdit* EditById(QWidget* page, int id) {
  return page->findChild<QLineEdit*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
