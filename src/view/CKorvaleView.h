#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QScrollArea>

#include "EditorView.h"
#include "FormLayout.h"
#include "FormWidgets.h"

class MessageSink;
class QComboBox;
class QLineEdit;
class QListWidget;
class CPlayerDataPage;
class CPlayerData2Page;
class CPlayerRatingsPage;
class CSeasonStatsPage;

namespace korvale::res {
class TabControl;
}

// The editor form on the screen: the tab control with the four pages, the
// PlayerID display, the player list, the team choice and the roster list.
// Its rules (the file state, Select, Close, Forward, Back, the display and
// the lists) are EditorView's; it forwards its commands and the user's
// picks there.
class CKorvaleView : public QScrollArea {
  Q_OBJECT

 public:
  using FileChooser = FormWidgets::FileChooser;

  CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent = nullptr);
  ~CKorvaleView() override;

  void SetFileChooser(FileChooser chooser) { widgets_->SetFileChooser(std::move(chooser)); }

  // The commands Select, Close, Forward and Back.
  void Select() { editor_->Select(); }
  void Close() { editor_->Close(); }
  void Forward() { editor_->Forward(); }
  void Back() { editor_->Back(); }
  // See EditorView::CommitBeforeCommand. False when the command must stop.
  bool CommitBeforeCommand() { return editor_->CommitBeforeCommand(); }
  // See EditorView::CommitOnClose. False while the close must wait.
  [[nodiscard]] bool CommitOnClose(std::function<void()> again) {
    return editor_->CommitOnClose(std::move(again));
  }
  [[nodiscard]] bool IsCommandEnabled(int id) const { return editor_->IsCommandEnabled(id); }

  // The display and the lists (EditorView's).
  void ShowCurrentRecord() { editor_->ShowCurrentRecord(); }
  void FillPlayerList() { editor_->FillPlayerList(); }
  void SyncPlayerList() { editor_->SyncPlayerList(); }
  void FillRosterList() { editor_->FillRosterList(); }

  void ShowSelectedPage();
  void LayoutPages();

  [[nodiscard]] korvale::PlayerFileState& File() { return editor_->File(); }
  [[nodiscard]] std::int32_t PlayerIdValue() const { return editor_->PlayerIdValue(); }
  [[nodiscard]] korvale::res::TabControl* TabControl() const { return tabs_; }
  [[nodiscard]] QComboBox* PlayerList() const { return playerList_; }
  [[nodiscard]] QComboBox* TeamChoice() const { return teamChoice_; }
  [[nodiscard]] QListWidget* RosterList() const { return rosterList_; }
  [[nodiscard]] QLineEdit* PlayerIdDisplay() const { return playerIdDisplay_; }
  [[nodiscard]] CPlayerDataPage* PlayerDataPage() const { return playerData_; }
  [[nodiscard]] CPlayerData2Page* PlayerData2Page() const { return playerData2_; }
  [[nodiscard]] CPlayerRatingsPage* PlayerRatingsPage() const { return ratings_; }
  [[nodiscard]] CSeasonStatsPage* SeasonStatsPage() const { return seasonStats_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildForm(korvale::FileSystem& files, MessageSink& messages);
  void CreatePages();
  void OnRosterSelectionChanged();
  // The pages in tab order.
  [[nodiscard]] std::array<QWidget*, korvale::res::kPageCount> Pages() const;

  std::unique_ptr<FormWidgets> widgets_;
  std::unique_ptr<EditorView> editor_;

  QWidget* form_ = nullptr;
  korvale::res::TabControl* tabs_ = nullptr;
  QLineEdit* playerIdDisplay_ = nullptr;
  QComboBox* playerList_ = nullptr;
  QComboBox* teamChoice_ = nullptr;
  QListWidget* rosterList_ = nullptr;
  CPlayerDataPage* playerData_ = nullptr;
  CPlayerData2Page* playerData2_ = nullptr;
  CPlayerRatingsPage* ratings_ = nullptr;
  CSeasonStatsPage* seasonStats_ = nullptr;
};
