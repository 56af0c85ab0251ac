#pragma once

#include <array>
#include <functional>

#include <QPointer>
#include <QString>

#include "DialogBuilder.h"
#include "FormControls.h"
#include "WidgetControls.h"

class QComboBox;
class QListWidget;

// The editor form's widgets as the form's rules see them: the controls of
// the form by id, the roster list's selection, the focus among the
// pages' edits and the file dialog.
class FormWidgets final : public FormControls {
 public:
  // The chosen path, or nothing when the user cancels.
  using FileChooser = std::function<std::optional<QString>(QWidget* owner)>;

  FormWidgets(QWidget* view, korvale::res::ControlMap controls);

  // The four pages in tab order, with their controls.
  void SetPages(const std::array<const WidgetControls*, 4>& pages);
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
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
  [[nodiscard]] std::optional<std::string> ChoosePlayerFile() override;

 private:
  void SetPlayerEntries(QComboBox* list, const std::vector<korvale::ListEntry>& entries);
  void SetRosterEntries(QListWidget* list, const std::vector<korvale::ListEntry>& entries);

  QPointer<QWidget> view_;
  WidgetControls form_;
  std::array<const WidgetControls*, 4> pages_{};
  FileChooser chooser_;
  bool settingRoster_ = false;
};
