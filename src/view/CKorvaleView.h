#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QScrollArea>
#include <QString>

#include "EditorForm.h"
#include "FormLayout.h"
#include "QtFormControls.h"

class MessageSink;
class QComboBox;
class QLineEdit;
class QListWidget;
class QtFormPage;

namespace korvale::res {
class TabControl;
}

// The editor form on the screen: the tab control with the pages, the
// PlayerID display, the player list, the team choice and the roster list.
// Its rules (the file state, Select, Close, Forward, Back, the display, the
// pages' events and the lists) are EditorForm's; it forwards its commands,
// the user's picks and the pages' control events there.
class CKorvaleView : public QScrollArea {
  Q_OBJECT

 public:
  // The chosen path, or nothing when the user cancels.
  using FileChooser = std::function<std::optional<QString>(QWidget* owner)>;

  CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent = nullptr);
  ~CKorvaleView() override;

  // Default: the open-file dialog.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  // The commands; Select opens the file the dialog chooses.
  void Select();
  void Close() { editor_->Close(); }
  void Forward() { editor_->Forward(); }
  void Back() { editor_->Back(); }
  // See EditorForm::CommitOnClose. False while the close must wait.
  [[nodiscard]] bool CommitOnClose(std::function<void()> again) {
    return editor_->CommitOnClose(std::move(again));
  }
  [[nodiscard]] bool IsCommandEnabled(int id) const { return editor_->IsCommandEnabled(id); }

  void ShowSelectedPage();
  void LayoutPages();

  [[nodiscard]] EditorForm& Editor() { return *editor_; }
  [[nodiscard]] korvale::PlayerFileState& File() { return editor_->File(); }
  [[nodiscard]] korvale::res::TabControl* TabControl() const { return tabs_; }
  [[nodiscard]] QComboBox* PlayerList() const { return playerList_; }
  [[nodiscard]] QComboBox* TeamChoice() const { return teamChoice_; }
  [[nodiscard]] QListWidget* RosterList() const { return rosterList_; }
  [[nodiscard]] QLineEdit* PlayerIdDisplay() const { return playerIdDisplay_; }
  // The page in tab order.
  [[nodiscard]] QtFormPage* Page(int page) const {
    return pages_.at(static_cast<std::size_t>(page));
  }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildForm();
  void CreatePages(korvale::FileSystem& files, MessageSink& messages);
  void OnRosterSelectionChanged();

  std::unique_ptr<QtFormControls> widgets_;
  std::unique_ptr<EditorForm> editor_;
  FileChooser chooser_;

  QWidget* form_ = nullptr;
  korvale::res::TabControl* tabs_ = nullptr;
  QLineEdit* playerIdDisplay_ = nullptr;
  QComboBox* playerList_ = nullptr;
  QComboBox* teamChoice_ = nullptr;
  QListWidget* rosterList_ = nullptr;
  std::vector<QtFormPage*> pages_;  // in tab order
};
