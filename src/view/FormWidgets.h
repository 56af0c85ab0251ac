#pragma once

#include <vector>

#include <QPointer>

#include "DialogBuilder.h"
#include "FormControls.h"
#include "WidgetControls.h"

class QComboBox;
class QListWidget;
class QtFormPage;

// The editor form's widgets as the form's rules see them: the controls of
// template 101 by id, the roster list's selection and the focus among the
// pages' edits.
class FormWidgets final : public FormControls {
 public:
  FormWidgets(QWidget* view, korvale::res::ControlMap controls);

  // The pages in tab order.
  void SetPages(std::vector<QtFormPage*> pages) { pages_ = std::move(pages); }
  // True while the program sets the roster list: its notifications are
  // not the user's.
  [[nodiscard]] bool SettingRoster() const { return settingRoster_; }

  [[nodiscard]] std::string Text(int control) const override { return form_.Text(control); }
  void SetText(int control, const std::string& text) override { form_.SetText(control, text); }
  void LimitText(int control, int limit, const std::string& shown) override {
    form_.LimitText(control, limit, shown);
  }
  [[nodiscard]] bool Checked(int control) const override { return form_.Checked(control); }
  void SetChecked(int control, bool checked) override { form_.SetChecked(control, checked); }
  void SetEntries(int control, const std::vector<std::string_view>& entries) override {
    form_.SetEntries(control, entries);
  }
  [[nodiscard]] int Selection(int control) const override;
  void Select(int control, int index) override;
  void SetEnabled(int control, bool enabled) override { form_.SetEnabled(control, enabled); }
  void FocusLater(int control, std::function<void()> done) override {
    form_.FocusLater(control, std::move(done));
  }
  void SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) override;
  void MoveListEntry(int control, int from, int to, const std::string& text) override;
  [[nodiscard]] std::optional<PageEdit> FocusedPageEdit() const override;

 private:
  void SetPlayerEntries(QComboBox* list, const std::vector<korvale::ListEntry>& entries);
  void SetRosterEntries(QListWidget* list, const std::vector<korvale::ListEntry>& entries);

  QPointer<QWidget> view_;
  WidgetControls form_;
  std::vector<QtFormPage*> pages_;
  bool settingRoster_ = false;
};
