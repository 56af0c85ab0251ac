#include "EditorView.h"

#include <algorithm>

#include "FileChecks.h"
#include "FormControls.h"
#include "Guarded.h"
#include "ListFills.h"
#include "Names.h"
#include "PlayerData2Page.h"
#include "PlayerDataPage.h"
#include "PlayerRatingsPage.h"
#include "ResourceIds.h"
#include "RosterSession.h"
#include "SeasonStatsPage.h"

using korvale::FieldId;
using korvale::ListEntry;
using korvale::PlayerFileState;
namespace res = korvale::res;

EditorView::EditorView(korvale::FileSystem& files, MessageSink& messages, FormControls& form)
    : state_(files), messages_(messages), form_(form) {}

void EditorView::AttachPages(const Pages& pages) {
  data_ = &pages.data;
  data2_ = &pages.data2;
  ratings_ = &pages.ratings;
  season_ = &pages.season;
}

bool EditorView::IsCommandEnabled(int id) const {
  switch (id) {
    case res::kIdSelect: return !state_.IsSelected();
    case res::kIdClose:
    case res::kIdForward: return state_.IsSelected();
    case res::kIdBack: return state_.CurrentRecord() >= 1;
    default: return true;
  }
}

bool EditorView::SelectPlayerFile() {
  const std::optional<std::string> file = form_.ChoosePlayerFile();
  if (!file) return false;
  // A failed open leaves no file selected: Select ends there. A file that
  // is not a player file is let go at once, before anything is read from
  // it or written to it.
  korvale::UndoReport undo;
  try {
    undo = korvale::OpenRosterToWrite(state_, *file);
  } catch (const korvale::FileError& error) {
    if (error.Cause() != korvale::FileErrorCause::AccessDenied || !korvale::IsReadOnlyFile(*file)) {
      throw;
    }
    messages_.Stop(error.Message() + " The file is read-only.");
    return false;
  }
  if (!undo.message.empty()) messages_.Warn(undo.message);
  return !undo.stops;
}

void EditorView::Select() {
  const CloseGate::Hold hold(gate_);
  Guarded(messages_, [this] {
    if (!SelectPlayerFile()) return;
    FillChoiceLists();
    FillPlayerList();
    ShowCurrentRecord();
    FillRosterList();
    ratings_->RecalculateOverall();
    SyncPlayerList();
  });
}

void EditorView::FillChoiceLists() {
  data_->FillPositionLists();
  data_->FillOriginalTeamList();
  form_.SetEntries(res::kIdTeamChoice,
                   {korvale::TeamChoiceNames.begin(), korvale::TeamChoiceNames.end()});
  data_->FillHandList();
  data2_->FillLists();
}

// Never stopped: a typed value that fails its checks is reported and not
// written. A failing close is reported and leaves the form as a good one.
void EditorView::Close() {
  const CloseGate::Hold hold(gate_);
  (void)CommitBeforeCommand();
  ClearLists();
  Guarded(messages_, [this] { state_.ClosePlayerFile(); });
  ShowPlayerId(0);
  ClearPages();
}

void EditorView::ClearPages() {
  data_->Clear();
  ratings_->Clear();
  data2_->Clear();
  season_->Clear();
}

void EditorView::ClearLists() {
  SetPlayerEntries({});
  form_.SetEntries(res::kIdTeamChoice, {});
  SetRosterEntries({});
  rosterTeam_.reset();
}

bool EditorView::CommitBeforeCommand() {
  const CloseGate::Hold hold(gate_);
  for (const PageExchange* exchange :
       {&data_->Exchange(), &data2_->Exchange(), &ratings_->Exchange(), &season_->Exchange()}) {
    if (exchange->StopsCommand()) return false;
  }
  const std::optional<FormControls::PageEdit> focused = form_.FocusedPageEdit();
  return !focused || CommitChangedEdit(focused->page, focused->control);
}

bool EditorView::CommitOnClose(std::function<void()> again) {
  if (!gate_.MayClose(std::move(again))) return false;
  (void)CommitBeforeCommand();
  return true;
}

bool EditorView::CommitChangedEdit(int page, int control) {
  PageExchange* const exchanges[] = {&data_->Exchange(), &data2_->Exchange(), &ratings_->Exchange(),
                                     &season_->Exchange()};
  if (page < 0 || page > 3) return true;
  PageExchange& exchange = *exchanges[page];
  std::vector<PageCommit> commits;
  switch (page) {
    case 0: commits = data_->Commits(); break;
    case 1: commits = data2_->Commits(); break;
    case 2: commits = ratings_->Commits(); break;
    default: commits = season_->Commits(); break;
  }
  const auto commit = std::find_if(commits.begin(), commits.end(), [control](const PageCommit& c) {
    return c.control == control && c.event == PageCommit::Event::Leave;
  });
  if (commit == commits.end()) return true;
  if (exchange.Busy() || !exchange.Changed(control)) return true;
  if (!exchange.TakeOne(control, true)) return false;
  commit->run();
  return true;
}

void EditorView::Forward() {
  const CloseGate::Hold hold(gate_);
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    const std::int32_t next = state_.CurrentRecord() + 1;
    if (!PlayerFileState::RecordReaches(state_.FileLength(), next, FieldId::LastName)) return;
    state_.SetCurrentRecord(next);
    FollowRecordMove();
  });
}

void EditorView::Back() {
  const CloseGate::Hold hold(gate_);
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    if (state_.CurrentRecord() <= 0) return;
    state_.SetCurrentRecord(state_.CurrentRecord() - 1);
    FollowRecordMove();
  });
}

void EditorView::FollowRecordMove() {
  ShowCurrentRecord();
  ratings_->RecalculateOverall();
  FillRosterList();
  SyncPlayerList();
}

void EditorView::ShowCurrentRecord() {
  data_->LoadRecord();
  ratings_->LoadRecord();
  data2_->LoadRecord();
  season_->LoadRecord();
}

void EditorView::ShowPlayerId(std::int32_t id) {
  playerId_ = id;
  form_.SetText(res::kIdPlayerIdDisplay, std::to_string(id));
}

// An index without an entry leaves the choice without a selection. A
// selection set here never counts as the user's.
void EditorView::SelectTeamChoice(int index) { form_.Select(res::kIdTeamChoice, index); }

// Read afresh: when only one record's entry differs from what the list
// shows (a name commit), that entry takes its new text and place; else the
// list is filled anew, and a failing walk leaves the entries read so far.
void EditorView::FillPlayerList() {
  std::vector<ListEntry> fresh;
  try {
    korvale::ScanPlayerEntries(state_, fresh);
  } catch (...) {
    SetPlayerEntries(std::move(fresh));
    throw;
  }
  std::optional<ShownEntries::Move> move;
  if (!players_.TakeOneChange(fresh, move)) return SetPlayerEntries(std::move(fresh));
  if (move) {
    form_.MoveListEntry(res::kIdPlayerList, move->from, move->to,
                        std::string(players_.TextAt(move->to)));
  } else {
    form_.Select(res::kIdPlayerList, -1);
  }
}

void EditorView::SetPlayerEntries(std::vector<ListEntry> entries) {
  players_.Set(std::move(entries), [this](const std::vector<ListEntry>& sorted) {
    form_.SetListEntries(res::kIdPlayerList, sorted);
  });
}

// Selects the entry of the current record.
void EditorView::SyncPlayerList() {
  if (const int index = players_.IndexOf(state_.CurrentRecord()); index >= 0) {
    form_.Select(res::kIdPlayerList, index);
  }
}

void EditorView::FillRosterList() { FillRosterList(form_.Selection(res::kIdTeamChoice)); }

void EditorView::FillRosterList(int team) {
  rosterTeam_.reset();
  SetRosterEntries({});
  korvale::CollectRosterEntries(state_, team, [this](std::vector<ListEntry>&& entries) {
    SetRosterEntries(std::move(entries));
  });
  rosterTeam_ = team;
}

void EditorView::SetRosterEntries(std::vector<ListEntry> entries) {
  roster_.Set(std::move(entries), [this](const std::vector<ListEntry>& sorted) {
    form_.SetListEntries(res::kIdRosterList, sorted);
  });
  rosterRow_ = -1;
}

// A player list choice fills the roster list again only for another team:
// the same team's entries stand as they are, without a selection.
void EditorView::ShowChosenRecord(std::int64_t record, bool syncPlayerList) {
  state_.SetCurrentRecord(static_cast<std::int32_t>(record));
  ShowCurrentRecord();
  if (syncPlayerList) {
    SyncPlayerList();
  } else if (const int team = form_.Selection(res::kIdTeamChoice); rosterTeam_ == team) {
    form_.Select(res::kIdRosterList, -1);
    rosterRow_ = -1;
  } else {
    FillRosterList(team);
  }
  ratings_->RecalculateOverall();
}

// The pick is taken to its record before the commit: a committed name
// rebuilds the lists, and the picked index then names another entry.
void EditorView::PlayerPicked() {
  const CloseGate::Hold hold(gate_);
  const std::optional<std::int64_t> record = players_.RecordAt(form_.Selection(res::kIdPlayerList));
  if (!CommitBeforeCommand()) {
    SyncPlayerList();  // the entry shown before the pick
    return;
  }
  if (!record) return;
  form_.Select(res::kIdPlayerList, players_.IndexOf(*record));
  Guarded(messages_, [this, record = *record] {
    ShowChosenRecord(record, false);
    ShowPlayerId(playerId_);
  });
}

// The team is taken as picked; the roster list shows its players.
void EditorView::TeamPicked() {
  const CloseGate::Hold hold(gate_);
  const int team = form_.Selection(res::kIdTeamChoice);
  Guarded(messages_, [this, team] { FillRosterList(team); });
}

// No user action leaves the roster list without its entry, and a stopped
// command gives the entry back. After a commit that filled the roster list
// again, the picked record's entry is selected in it.
void EditorView::RosterPicked(int row) {
  const CloseGate::Hold hold(gate_);
  const std::optional<std::int64_t> record = roster_.RecordAt(row);
  if (!record || !CommitBeforeCommand()) {
    form_.Select(res::kIdRosterList, rosterRow_);
    return;
  }
  rosterRow_ = roster_.IndexOf(*record);
  if (rosterRow_ != row) form_.Select(res::kIdRosterList, rosterRow_);
  Guarded(messages_, [this, record = *record] { ShowChosenRecord(record, true); });
}
