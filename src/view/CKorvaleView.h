#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QScrollArea>
#include <QStringList>

#include "ListOrder.h"
#include "PageHost.h"
#include "PlayerFileState.h"

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

// The editor form: the tab control with the four pages, the PlayerID
// display, the player list, the team choice and the roster list. It holds
// the player file state and carries out Select, Close, Forward and Back.
// Every handler is one file-error boundary: an error ends it, keeps what
// was done and is reported through the message sink.
class CKorvaleView : public QScrollArea, public PageHost {
  Q_OBJECT

 public:
  // The chosen path, or nothing when the user cancels.
  using FileChooser = std::function<std::optional<QString>(QWidget* owner)>;

  CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent = nullptr);
  ~CKorvaleView() override;

  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  // Commands 32775, 32776, 32783, 32782.
  void Select();
  void Close();
  void Forward();
  void Back();
  // Before a command that changes the shown record or the file: commits the
  // page edit that holds the focus (see CommitBeforeCommand in the pages).
  // False when the command must stop.
  bool CommitBeforeCommand();
  // The enable rules; commands that are not the view's are always enabled.
  [[nodiscard]] bool IsCommandEnabled(int id) const;

  void ShowSelectedPage();
  void LayoutPages();

  // PageHost
  korvale::PlayerFileState& File() override { return state_; }
  MessageSink& Messages() override { return messages_; }
  void ShowPlayerId(std::int32_t id) override;
  void SelectTeamChoice(int index) override;
  void FillPlayerList() override;
  void SyncPlayerList() override;
  void FillRosterList() override;
  void ShowCurrentRecord() override;
  std::string& AppearanceMarker() override { return appearanceMarker_; }

  [[nodiscard]] std::int32_t PlayerIdValue() const { return playerId_; }
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
  void BuildForm();
  void CreatePages();
  [[nodiscard]] bool SelectPlayerFile();
  void FillChoiceLists();
  void ClearLists();
  void FollowRecordMove();

  // The player list choice, the team choice and the roster list choice.
  void OnPlayerListChosen();
  void OnTeamChosen();
  void OnRosterSelectionChanged();
  // Makes the chosen entry's record current and shows it; then the player
  // list follows it, or the roster list is rebuilt.
  void ShowChosenRecord(std::int64_t record, bool syncPlayerList);
  void SetRosterEntries(const std::vector<korvale::ListEntry>& entries);
  void SelectRosterRow(int row);
  void ClearPages();

  korvale::PlayerFileState state_;
  MessageSink& messages_;
  FileChooser chooser_;
  std::int32_t playerId_ = 0;
  std::string appearanceMarker_;
  bool settingRoster_ = false;
  std::vector<std::int64_t> playerRecords_;  // the record of each player list entry
  int rosterRow_ = -1;                       // the roster entry last chosen

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
