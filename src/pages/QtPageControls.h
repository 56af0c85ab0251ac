#pragma once

#include <QPointer>
#include <QWidget>

#include "DialogBuilder.h"
#include "PageControls.h"

// A page's widgets, found by their ids, as the editing rules see them: the
// text of a line edit, the state of a check box, the entries and the
// selection of a drop-down list.
class QtPageControls : public virtual PageControls {
 public:
  QtPageControls(QWidget* page, korvale::res::ControlMap controls);

  [[nodiscard]] std::string Text(int control) const override;
  void SetText(int control, const std::string& text) override;
  void LimitText(int control, int limit, const std::string& shown) override;
  [[nodiscard]] bool Checked(int control) const override;
  void SetChecked(int control, bool checked) override;
  void SetEntries(int control, const std::vector<std::string_view>& entries) override;
  [[nodiscard]] int Selection(int control) const override;
  void Select(int control, int index) override;
  void SetEnabled(int control, bool enabled) override;
  void FocusLater(int control, std::function<void()> done) override;

  [[nodiscard]] const korvale::res::ControlMap& Map() const { return controls_; }

 private:
  QPointer<QWidget> page_;
  korvale::res::ControlMap controls_;
};
