#pragma once

#include <vector>

#include <QPointer>

#include "DialogBuilder.h"
#include "FormControls.h"
#include "QtPageControls.h"

class QComboBox;
class QListWidget;
class QtFormPage;

// The editor form's widgets as the form's rules see them: its own controls
// by id, the roster list's selection and the focus among the
// pages' edits.
class QtFormControls final : public QtPageControls, public FormControls {
 public:
  QtFormControls(QWidget* view, korvale::res::ControlMap controls);

  // The pages in tab order.
  void SetPages(std::vector<QtFormPage*> pages) { pages_ = std::move(pages); }
  // True while the program sets the roster list: its notifications are
  // not the user's.
  [[nodiscard]] bool SettingRoster() const { return settingRoster_; }

  [[nodiscard]] int Selection(int control) const override;
  void Select(int control, int index) override;
  void SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) override;
  void MoveListEntry(int control, int from, int to, const std::string& text) override;
  [[nodiscard]] std::optional<PageEdit> FocusedPageEdit() const override;

 private:
  void SetPlayerEntries(QComboBox* list, const std::vector<korvale::ListEntry>& entries);
  void SetRosterEntries(QListWidget* list, const std::vector<korvale::ListEntry>& entries);

  QPointer<QWidget> view_;
  std::vector<QtFormPage*> pages_;
  bool settingRoster_ = false;
};
