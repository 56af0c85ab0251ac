#pragma once

#include <QWidget>

#include "QtPageControls.h"

class QComboBox;
class QLineEdit;
namespace korvale::res {
class DialogTemplate;
}

// A page of the editor form on the screen: the controls of its template,
// which the form's rules reach through Controls().
class QtFormPage : public QWidget {
 public:
  QtFormPage(const korvale::res::DialogTemplate& page, QWidget* parent);

  [[nodiscard]] QtPageControls& Controls() { return controls_; }
  [[nodiscard]] const QtPageControls& Controls() const { return controls_; }
  [[nodiscard]] QWidget* Control(int id) const { return controls_.Map().Find(id); }
  [[nodiscard]] QLineEdit* Edit(int id) const;
  [[nodiscard]] QComboBox* List(int id) const;

 private:
  QtPageControls controls_;
};
