#pragma once

#include <QLineEdit>
#include <QWidget>

#include "DialogTemplate.h"

// A control of a page built from `dialog`, found by its id: the builder
// creates the page's direct children in the template's order.
inline QLineEdit* EditById(QWidget* page, const korvale::res::DialogTemplate& dialog, int id) {
  const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (qsizetype i = 0; i < children.size() && i < std::ssize(dialog.controls); ++i) {
    if (dialog.controls[static_cast<std::size_t>(i)].id == id) {
      return qobject_cast<QLineEdit*>(children[i]);
    }
  }
  return nullptr;
}
