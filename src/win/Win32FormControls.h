#pragma once

#include <windows.h>

#include <vector>

#include "FormControls.h"
#include "Win32PageControls.h"

namespace korvale::win {

// The editor form's windows as the form's rules see them: its own controls
// by id, the player and roster lists filled in the core's
// order and the focus among the pages' edits.
class Win32FormControls final : public Win32PageControls, public FormControls {
 public:
  explicit Win32FormControls(ChildDialog& form) : Win32PageControls(form) {}

  // The pages in tab order.
  void SetPages(std::vector<const Win32PageControls*> pages) { pages_ = std::move(pages); }

  void SetListEntries(int control, const std::vector<korvale::ListEntry>& entries) override;
  void MoveListEntry(int control, int from, int to, const std::string& text) override;
  [[nodiscard]] std::optional<PageEdit> FocusedPageEdit() const override;

 private:
  std::vector<const Win32PageControls*> pages_;
};

// File text (Windows-1252 bytes) as shown text: one UTF-16 unit a byte.
[[nodiscard]] std::wstring ShownText(std::string_view bytes);

}  // namespace korvale::win
