#pragma once

#include <windows.h>

#include <vector>

#include "DialogControls.h"
#include "FormControls.h"

namespace korvale::win {

// The editor form's windows as the form's rules see them: the controls of
// template 101 by id, the player and roster lists filled in the core's
// order and the focus among the pages' edits.
class FormWindows final : public FormControls {
 public:
  explicit FormWindows(ChildDialog& form) : form_(form) {}

  // The pages in tab order.
  void SetPages(std::vector<const DialogControls*> pages) { pages_ = std::move(pages); }

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
  [[nodiscard]] int Selection(int control) const override { return form_.Selection(control); }
  void Select(int control, int index) override { form_.Select(control, index); }
  void SetEnabled(int control, bool enabled) override { form_.SetEnabled(control, enabled); }
  void FocusLater(int control, std::function<void()> done) override {
    form_.FocusLater(control, std::move(done));
  }
  void SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) override;
  void MoveListEntry(int control, int from, int to, const std::string& text) override;
  [[nodiscard]] std::optional<PageEdit> FocusedPageEdit() const override;

 private:
  DialogControls form_;
  std::vector<const DialogControls*> pages_;
};

// File text (Windows-1252 bytes) as shown text: one UTF-16 unit a byte.
[[nodiscard]] std::wstring ShownText(std::string_view bytes);

}  // namespace korvale::win
