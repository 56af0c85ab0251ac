#pragma once

#include <QMainWindow>
#include <QTimer>

#include "MenuBar.h"

class CKorvaleView;
class CToolBarEx;
class LockKeyPanes;
class MessageSink;
class QLabel;
class QToolBar;

namespace korvale {
class FileSystem;
}

// The main window: menu 128, tool bar 128, the status bar and the editor
// view. Command states are asked of the view when a menu opens and after
// the events that may change them, the way an idle-time update works.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame(korvale::FileSystem& files, MessageSink& messages, QWidget* parent = nullptr);

  [[nodiscard]] CKorvaleView* View() const { return view_; }
  [[nodiscard]] CToolBarEx* ToolBar() const { return toolBar_; }
  // The fixed dock row that holds the tool bar; it is what View › Toolbar
  // hides and shows.
  [[nodiscard]] QToolBar* ToolBarRow() const { return toolBarRow_; }
  [[nodiscard]] QAction* Command(int id) const { return actions_.at(id); }
  [[nodiscard]] LockKeyPanes* LockKeys() const { return lockKeys_; }
  [[nodiscard]] QLabel* IdlePane() const { return idle_; }

  // Enables the view's commands by its rules and checks the bar toggles.
  void UpdateCommandStates();
  // The session manager's request to commit before the session ends: the
  // focused changed edit is committed as a close commits it, and the end is
  // never cancelled. The window stays until the session manager ends the
  // program.
  void CommitSessionData();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // While a menu title or item is highlighted, an item without a prompt
  // leaves the message pane empty; "Ready" comes back when the menu closes.
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Typed text not yet left is committed before the window goes; a close
  // that comes while one of the form's handlers runs waits for it.
  void closeEvent(QCloseEvent* event) override;
  [[nodiscard]] bool MenuHighlighted() const;

 private:
  void CreateMenu();
  void CreateToolBar();
  void CreateStatusBar();
  void RouteCommands();
  void CenterOnScreen();

  CKorvaleView* view_;
  korvale::res::CommandActions actions_;
  CToolBarEx* toolBar_ = nullptr;
  QToolBar* toolBarRow_ = nullptr;
  QLabel* idle_ = nullptr;
  LockKeyPanes* lockKeys_ = nullptr;
  QTimer idleUpdate_;
  bool placed_ = false;
};
