#include "EditorForm.h"

#include <algorithm>
#include <array>

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

namespace {

template <typename Page>
std::unique_ptr<FormPage> Make(PageHost& host, PageControls& controls) {
  return std::make_unique<Page>(host, controls);
}

// The pages in tab order.
constexpr std::array kMakePage = {Make<PlayerDataPage>, Make<PlayerData2Page>,
                                  Make<PlayerRatingsPage>, Make<SeasonStatsPage>};
// The order in which a record is shown and the pages are cleared.
constexpr std::array<std::size_t, 4> kShowOrder = {0, 2, 1, 3};

}  // namespace

EditorForm::EditorForm(korvale::FileSystem& files, MessageSink& messages, FormControls& form,
                       const std::vector<PageControls*>& pages)
    : state_(files), messages_(messages), form_(form) {
  for (std::size_t page = 0; page < kMakePage.size(); ++page) {
    pages_.push_back(kMakePage[page](*this, *pages.at(page)));
    pages_.back()->Exchange().Show();
  }
  ShowPlayerId(0);
}

EditorForm::~EditorForm() = default;

bool EditorForm::IsCommandEnabled(int id) const {
  switch (id) {
    case res::kIdSelect: return !state_.IsSelected();
    case res::kIdClose:
    case res::kIdForward: return state_.IsSelected();
    case res::kIdBack: return state_.CurrentRecord() >= 1;
    default: return true;
  }
}

bool EditorForm::OpenPlayerFile(const std::string& path) {
  // A failed open leaves no file selected: Select ends there. A file that
  // is not a player file is let go at once, before anything is read from
  // it or written to it.
  korvale::UndoReport undo;
  try {
    undo = korvale::OpenRosterToWrite(state_, path);
  } catch (const korvale::FileError& error) {
    if (error.Cause() != korvale::FileErrorCause::AccessDenied || !korvale::IsReadOnlyFile(path)) {
      throw;
    }
    messages_.Stop(error.Message() + " The file is read-only.");
    return false;
  }
  if (!undo.message.empty()) messages_.Warn(undo.message);
  return !undo.stops;
}

void EditorForm::Select(const std::string& path) {
  const CloseGate::Hold hold(gate_);
  Guarded(messages_, [this, &path] {
    if (!OpenPlayerFile(path)) return;
    for (const auto& page : pages_) page->FillLists();
    FillPlayerList();
    ShowCurrentRecord();
    FillRosterList();
    for (const auto& page : pages_) page->Recalculate();
    SyncPlayerList();
  });
}

void EditorForm::FillTeamChoice() {
  form_.SetEntries(res::kIdTeamChoice,
                   {korvale::TeamChoiceNames.begin(), korvale::TeamChoiceNames.end()});
}

void EditorForm::Handle(int page, int control, PageEvent event) {
  if (page >= 0 && static_cast<std::size_t>(page) < pages_.size()) {
    pages_[static_cast<std::size_t>(page)]->Handle(event, control);
  }
}

// Never stopped: a typed value that fails its checks is reported and not
// written. A failing close is reported and leaves the form as a good one.
void EditorForm::Close() {
  const CloseGate::Hold hold(gate_);
  (void)CommitBeforeCommand();
  ClearLists();
  Guarded(messages_, [this] { state_.ClosePlayerFile(); });
  ShowPlayerId(0);
  ClearPages();
}

void EditorForm::ClearPages() {
  for (const std::size_t page : kShowOrder) pages_[page]->Clear();
}

void EditorForm::ClearLists() {
  SetPlayerEntries({});
  form_.SetEntries(res::kIdTeamChoice, {});
  SetRosterEntries({});
  rosterTeam_.reset();
}

bool EditorForm::CommitBeforeCommand() {
  const CloseGate::Hold hold(gate_);
  for (const auto& page : pages_) {
    if (page->Exchange().StopsCommand()) return false;
  }
  const std::optional<FormControls::PageEdit> focused = form_.FocusedPageEdit();
  return !focused || CommitChangedEdit(focused->page, focused->control);
}

bool EditorForm::CommitOnClose(std::function<void()> again) {
  if (!gate_.MayClose(std::move(again))) return false;
  (void)CommitBeforeCommand();
  return true;
}

bool EditorForm::CommitChangedEdit(int page, int control) {
  if (page < 0 || static_cast<std::size_t>(page) >= pages_.size()) return true;
  FormPage& shown = *pages_[static_cast<std::size_t>(page)];
  PageExchange& exchange = shown.Exchange();
  std::vector<PageCommit> commits = shown.Commits();
  const auto commit = std::find_if(commits.begin(), commits.end(), [control](const PageCommit& c) {
    return c.control == control && c.event == PageCommit::Event::Leave;
  });
  if (commit == commits.end()) return true;
  if (exchange.Busy() || !exchange.Changed(control)) return true;
  if (!exchange.TakeOne(control, true)) return false;
  commit->run();
  return true;
}

void EditorForm::Forward() {
  const CloseGate::Hold hold(gate_);
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    const std::int32_t next = state_.CurrentRecord() + 1;
    if (!PlayerFileState::RecordReaches(state_.FileLength(), next, FieldId::LastName)) return;
    state_.SetCurrentRecord(next);
    FollowRecordMove();
  });
}

void EditorForm::Back() {
  const CloseGate::Hold hold(gate_);
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    if (state_.CurrentRecord() <= 0) return;
    state_.SetCurrentRecord(state_.CurrentRecord() - 1);
    FollowRecordMove();
  });
}

void EditorForm::FollowRecordMove() {
  ShowCurrentRecord();
  for (const auto& page : pages_) page->Recalculate();
  FillRosterList();
  SyncPlayerList();
}

void EditorForm::ShowCurrentRecord() {
  for (const std::size_t page : kShowOrder) pages_[page]->LoadRecord();
}

void EditorForm::ShowPlayerId(std::int32_t id) {
  playerId_ = id;
  form_.SetText(res::kIdPlayerIdDisplay, std::to_string(id));
}

// An index without an entry leaves the choice without a selection. A
// selection set here never counts as the user's.
void EditorForm::SelectTeamChoice(int index) { form_.Select(res::kIdTeamChoice, index); }

// Read afresh: when only one record's entry differs from what the list
// shows (a name commit), that entry takes its new text and place; else the
// list is filled anew, and a failing walk leaves the entries read so far.
void EditorForm::FillPlayerList() {
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

void EditorForm::SetPlayerEntries(std::vector<ListEntry> entries) {
  players_.Set(std::move(entries), [this](const std::vector<ListEntry>& sorted) {
    form_.SetListEntries(res::kIdPlayerList, sorted);
  });
}

// Selects the entry of the current record.
void EditorForm::SyncPlayerList() {
  if (const int index = players_.IndexOf(state_.CurrentRecord()); index >= 0) {
    form_.Select(res::kIdPlayerList, index);
  }
}

void EditorForm::FillRosterList() { FillRosterList(form_.Selection(res::kIdTeamChoice)); }

void EditorForm::FillRosterList(int team) {
  rosterTeam_.reset();
  SetRosterEntries({});
  korvale::CollectRosterEntries(state_, team, [this](std::vector<ListEntry>&& entries) {
    SetRosterEntries(std::move(entries));
  });
  rosterTeam_ = team;
}

void EditorForm::SetRosterEntries(std::vector<ListEntry> entries) {
  roster_.Set(std::move(entries), [this](const std::vector<ListEntry>& sorted) {
    form_.SetListEntries(res::kIdRosterList, sorted);
  });
  rosterRow_ = -1;
}

// A player list choice fills the roster list again only for another team:
// the same team's entries stand as they are, without a selection.
void EditorForm::ShowChosenRecord(std::int64_t record, bool syncPlayerList) {
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
  for (const auto& page : pages_) page->Recalculate();
}

// The pick is taken to its record before the commit: a committed name
// rebuilds the lists, and the picked index then names another entry.
void EditorForm::PlayerPicked() {
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
void EditorForm::TeamPicked() {
  const CloseGate::Hold hold(gate_);
  const int team = form_.Selection(res::kIdTeamChoice);
  Guarded(messages_, [this, team] { FillRosterList(team); });
}

// No user action leaves the roster list without its entry, and a stopped
// command gives the entry back. After a commit that filled the roster list
// again, the picked record's entry is selected in it.
void EditorForm::RosterPicked(int row) {
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
