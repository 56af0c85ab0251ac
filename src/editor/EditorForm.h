#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormPage.h"
#include "ListOrder.h"
#include "PageHost.h"
#include "PlayerFileState.h"
#include "ShownEntries.h"

class FormControls;
class PageControls;

// The rules of the editor form: the player file state, the commands
// Select, Close, Forward and Back with their enable rules, the display of
// the current record on the pages, the pages' control events, and the
// player list, the team choice and the roster list. Every handler is one
// file-error boundary: an error ends it, keeps what was done and is
// reported. A close of the window waits for a running handler
// (CommitOnClose).
class EditorForm final : public PageHost {
 public:
  // `pages`: each page's controls, in tab order; the form makes its pages
  // over them and shows their values, and PlayerID 0.
  EditorForm(korvale::FileSystem& files, MessageSink& messages, FormControls& form,
             const std::vector<PageControls*>& pages);
  EditorForm(const EditorForm&) = delete;
  EditorForm& operator=(const EditorForm&) = delete;
  ~EditorForm() override;

  // Opens the player file at `path`, as the file system names it (the
  // front end's file dialog chose it), and shows its first record.
  void Select(const std::string& path);
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

  // A page control's event (page in tab order); nothing for a page or a
  // control without one.
  void Handle(int page, int control, PageEvent event);
  // The page in tab order, for its controls' events.
  [[nodiscard]] FormPage& Page(int page) { return *pages_.at(static_cast<std::size_t>(page)); }

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
  void FillTeamChoice() override;
  void FillPlayerList() override;
  void SyncPlayerList() override;
  void FillRosterList() override;
  void ShowCurrentRecord() override;

 private:
  [[nodiscard]] bool OpenPlayerFile(const std::string& path);
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
  std::vector<std::unique_ptr<FormPage>> pages_;  // in tab order
  std::int32_t playerId_ = 0;
  ShownEntries players_;                              // what the player list shows
  ShownEntries roster_{ShownEntries::Keep::Records};  // what the roster list shows
  int rosterRow_ = -1;                                // the roster entry last chosen
  std::optional<int> rosterTeam_;                     // the team the roster list holds whole
};
