#pragma once

#include <windows.h>

#include <unordered_map>

#include "ChildDialog.h"
#include "PageControls.h"

namespace korvale::win {

// A dialog's controls by id as the editing rules see them: an edit's text
// (UTF-8 here, UTF-16 in the window), a check box's state, a drop-down or
// list box's entries and selection. Nothing set here notifies the rules.
class Win32PageControls : public virtual PageControls {
 public:
  explicit Win32PageControls(ChildDialog& dialog) : dialog_(dialog) {}

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

  [[nodiscard]] HWND Window() const { return dialog_.Window(); }
  // The control `id` when it is of window class `className`, else null.
  [[nodiscard]] HWND Find(int control, const wchar_t* className) const;

 private:
  ChildDialog& dialog_;
  // Each control's window class, looked up once (the rules ask for texts
  // and selections many times a display).
  mutable std::unordered_map<HWND, std::wstring> classes_;
};

// Whether `window` is of window class `className` (letter case ignored).
[[nodiscard]] bool IsOfClass(HWND window, const wchar_t* className);

}  // namespace korvale::win
