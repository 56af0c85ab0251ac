#pragma once

#include <windows.h>

#include <functional>

// The about box: modal; OK, Enter or Escape close it.
class CAboutDlg {
 public:
  explicit CAboutDlg(HINSTANCE instance) : instance_(instance) {}

  // Runs the box; the button that closed it (IDOK or IDCANCEL), or -1
  // when it could not be shown.
  INT_PTR DoModal(HWND owner);

  // Called with the box's window once it is set up (tests drive it from
  // there, inside the modal loop).
  using ShownHook = std::function<void(HWND dialog)>;
  static void SetShownHook(ShownHook hook);

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
  void OnInitDialog(HWND dialog) const;

  HINSTANCE instance_;
};
