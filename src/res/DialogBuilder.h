#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "DialogTemplate.h"

namespace korvale::res {

// The widgets of one built dialog, found by their numeric ids.
class ControlMap {
 public:
  void Add(int id, QWidget* widget);

  // The control with this id, or nullptr.
  [[nodiscard]] QWidget* Find(int id) const;
  // The id of this control, or nothing when it has none here.
  [[nodiscard]] std::optional<int> IdOf(const QWidget* widget) const;
  // The control with this id as the expected widget class; nullptr when
  // there is none or it is of another class.
  template <typename T>
  [[nodiscard]] T* Get(int id) const {
    return qobject_cast<T*>(Find(id));
  }
  // Every control, labels included, in creation order.
  [[nodiscard]] const std::vector<QWidget*>& InOrder() const { return inOrder_; }

 private:
  std::map<int, QWidget*> byId_;
  std::vector<QWidget*> inOrder_;
};

// The font a template names, with stand-ins where it is not installed.
[[nodiscard]] QFont DialogFont(const DialogTemplate& dialog);

// Average character width and height of a font, as dialog units use them.
[[nodiscard]] QSize DialogBaseUnits(const QFont& font);

// Dialog units to pixels: x * baseX / 4, y * baseY / 8, rounded.
[[nodiscard]] QRect DialogUnitsToPixels(QRect units, QSize base);

// Creates the template's controls as children of `parent` (the dialog or
// form itself), gives it the
// template's font, size and caption, and chains the tab order.
ControlMap BuildDialog(const DialogTemplate& dialog, QWidget* parent);

}  // namespace korvale::res
