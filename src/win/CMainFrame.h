#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "CToolBarEx.h"

class CKorvaleView;
class MessageSink;
namespace korvale {
class FileSystem;
}

// The main window: menu bar, the flat tool bar along the top, the status
// bar with its message pane and lock-key panes along the bottom, and the
// editor form between them. Commands from the menu and the tool bar go to
// the form, the bar toggles, the about box and Exit.
class CMainFrame {
 public:
  static constexpr int kLockPanes = 3;

  CMainFrame(korvale::FileSystem& files, MessageSink& messages);
  ~CMainFrame();
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // Creates the window, hidden, centred on the screen's work area. False
  // when the window or one of its bars cannot be made.
  bool Create(HINSTANCE instance);
  // The program ends with the window.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  // Idle time: the commands' enable and check states in the menu and the
  // tool bar, and the lock-key panes.
  void IdleUpdate();
  // Dialog keys for the form; true when the message was used.
  bool PreTranslateMessage(MSG& msg);

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] CKorvaleView& View() { return *view_; }
  [[nodiscard]] CToolBarEx& ToolBar() { return toolBar_; }
  [[nodiscard]] HMENU Menu() const { return GetMenu(window_); }
  [[nodiscard]] std::wstring PaneText(int pane) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  bool OnCreate();
  bool CreateStatusBar();
  void OnCommand(int id);
  void OnClose();
  LRESULT OnNotify(const NMHDR& header, LPARAM l);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  void ToggleBar(HWND bar);
  void Layout();
  void UpdateMenuStates(HMENU menu);
  void UpdateLockPanes();
  void SetMessageText(const std::wstring& text);
  void ShowPrompt(int commandId);
  void ShowIdleText();

  korvale::FileSystem& files_;
  MessageSink& messages_;
  HINSTANCE instance_ = nullptr;
  HWND window_ = nullptr;
  HWND statusBar_ = nullptr;
  CToolBarEx toolBar_;
  std::unique_ptr<CKorvaleView> view_;
  bool lockShown_[kLockPanes] = {};
  bool quitOnDestroy_ = false;
  std::wstring tip_;
};
