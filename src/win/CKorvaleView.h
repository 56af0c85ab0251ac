#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class EditorForm;
class MessageSink;

namespace korvale {
class FileSystem;
namespace win {
class ChildDialog;
class Win32PageControls;
class Win32FormControls;
}  // namespace win
}  // namespace korvale

// The editor form on the screen: its template as a child of the frame,
// with the tab control, the pages, the PlayerID display, the player list,
// the team choice and the roster list. Its rules (the file state, Select,
// Close, Forward, Back, the display, the pages' events and the lists) are
// EditorForm's; it forwards its commands, the user's picks and the pages'
// control events there.
class CKorvaleView {
 public:
  // The chosen path (UTF-8), or nothing when the user cancels.
  using FileChooser = std::function<std::optional<std::string>(HWND owner)>;

  CKorvaleView(HWND frame, korvale::FileSystem& files, MessageSink& messages);
  ~CKorvaleView();
  CKorvaleView(const CKorvaleView&) = delete;
  CKorvaleView& operator=(const CKorvaleView&) = delete;

  // The form; the frame sizes it into its client area.
  [[nodiscard]] HWND Window() const;
  // Default: the open-file dialog (GetOpenFileNameW).
  void SetFileChooser(FileChooser chooser);

  // Opens the file the dialog chooses; the form's other commands are
  // Editor()'s.
  void Select();

  // The dialog keys of the form and its pages (Tab, Shift+Tab, arrows,
  // Escape in a page edit); the message loop calls it before
  // TranslateMessage and DispatchMessage. True when it handled `msg`.
  bool PreTranslateMessage(MSG& msg);
  // From the frame's WM_CLOSE on, the focus leaving a page edit commits
  // nothing.
  void FrameClosing();

  // A control of the form by id.
  [[nodiscard]] HWND Control(int id) const;
  // The pages in tab order.
  [[nodiscard]] HWND Page(int page) const;
  [[nodiscard]] HWND PageControl(int page, int id) const;
  // As if the user chose the page's tab.
  void ShowPage(int page);
  [[nodiscard]] EditorForm& Editor();

 private:
  void CreatePages(korvale::FileSystem& files, MessageSink& messages);
  void ConnectForm();
  void PlacePages();
  void ShowSelectedPage();

  bool closing_ = false;  // read by the page edits' focus watch
  std::unique_ptr<korvale::win::ChildDialog> form_;
  std::unique_ptr<korvale::win::Win32FormControls> formControls_;
  std::vector<std::unique_ptr<korvale::win::ChildDialog>> pages_;  // in tab order
  std::vector<std::unique_ptr<korvale::win::Win32PageControls>> pageControls_;
  std::unique_ptr<EditorForm> editor_;
  FileChooser chooser_;
};
