#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ListOrder.h"
#include "PageHost.h"
#include "PlayerFileState.h"
#include "ShownEntries.h"

class FormControls;
class PageExchange;
class PlayerData2Page;
class PlayerDataPage;
class PlayerRatingsPage;
class SeasonStatsPage;

// The rules of the editor form: the player file state, the commands
// Select, Close, Forward and Back with their enable rules, the display of
// the current record on the four pages, and the player list, the team
// choice and the roster list. Every handler is one file-error boundary:
// an error ends it, keeps what was done and is reported. A close of the
// window waits for a running handler (CommitOnClose).
class EditorView final : public PageHost {
 public:
  // The four pages, in tab order.
  struct Pages {
    PlayerDataPage& data;
    PlayerData2Page& data2;
    PlayerRatingsPage& ratings;
    SeasonStatsPage& season;
  };

  EditorView(korvale::FileSystem& files, MessageSink& messages, FormControls& form);
  EditorView(const EditorView&) = delete;
  EditorView& operator=(const EditorView&) = delete;

  // The pages are made with this view as their host, then handed over.
  void AttachPages(const Pages& pages);

  // The commands Select, Close, Forward and Back.
  void Select();
  void Close();
  void Forward();
  void Back();
  // Before a command that changes the shown record or the file: commits
  // the page edit that holds the focus when its text differs from what the
  // display put there. False when the command must stop: the edit's value
  // fails its checks (the message is shown and the focus goes back), or
  // such a failure still waits for the focus to return.
  bool CommitBeforeCommand();
  // The main window closes, or the session ends. Outside the view's
  // handlers: commits the focused changed edit as a command does but never
  // stops (a failed check is reported, nothing is written), and returns
  // true: the close goes on. Within one (the request came through the loop
  // of a message box or the file dialog it opened): changes nothing and
  // returns false; `again` runs as the outermost handler returns and makes
  // the request anew from the front end's message loop.
  [[nodiscard]] bool CommitOnClose(std::function<void()> again);
  // The enable rules; commands that are not the view's are always enabled.
  [[nodiscard]] bool IsCommandEnabled(int id) const;

  // The user's picks.
  void PlayerPicked();
  void TeamPicked();
  void RosterPicked(int row);

  // PageHost
  korvale::PlayerFileState& File() override { return state_; }
  MessageSink& Messages() override { return messages_; }
  korvale::history::Recorder& History() override { return history_; }
  CloseGate& Gate() override { return gate_; }
  void ShowPlayerId(std::int32_t id) override;
  void SelectTeamChoice(int index) override;
  void FillPlayerList() override;
  void SyncPlayerList() override;
  void FillRosterList() override;
  void ShowCurrentRecord() override;
  std::string& AppearanceMarker() override { return appearanceMarker_; }

  [[nodiscard]] std::int32_t PlayerIdValue() const { return playerId_; }

 private:
  [[nodiscard]] bool SelectPlayerFile();
  void FillChoiceLists();
  void ClearLists();
  void ClearPages();
  void FollowRecordMove();
  // Makes the chosen entry's record current and shows it; then the player
  // list follows it, or the roster list is rebuilt.
  void ShowChosenRecord(std::int64_t record, bool syncPlayerList);
  void SetPlayerEntries(std::vector<korvale::ListEntry> entries);
  void SetRosterEntries(std::vector<korvale::ListEntry> entries);
  void FillRosterList(int team);
  [[nodiscard]] bool CommitChangedEdit(int page, int control);

  korvale::PlayerFileState state_;
  MessageSink& messages_;
  korvale::history::Recorder history_;  // one for the editor session
  CloseGate gate_;                      // held by every command, pick and commit
  FormControls& form_;
  PlayerDataPage* data_ = nullptr;
  PlayerData2Page* data2_ = nullptr;
  PlayerRatingsPage* ratings_ = nullptr;
  SeasonStatsPage* season_ = nullptr;
  std::int32_t playerId_ = 0;
  std::string appearanceMarker_;
  ShownEntries players_;                              // what the player list shows
  ShownEntries roster_{ShownEntries::Keep::Records};  // what the roster list shows
  int rosterRow_ = -1;                                // the roster entry last chosen
  std::optional<int> rosterTeam_;                     // the team the roster list holds whole
};
