// The player list, the team choice and the roster list of the editor view.
#include <QComboBox>
#include <QListWidget>
#include <QStringListModel>

#include "CKorvaleView.h"
#include "CPlayerRatingsPage.h"
#include "Guarded.h"
#include "ListEntries.h"
#include "ListText.h"
#include "StoredForms.h"

using korvale::FieldId;
using korvale::ListEntry;
using korvale::PlayerFileState;

namespace {

// Runs `walk`, then puts whatever entries it collected into the list,
// sorted, also when a file error ended the walk early.
template <typename Walk, typename Put>
void CollectSorted(Walk&& walk, Put&& put) {
  std::vector<ListEntry> entries;
  try {
    walk(entries);
  } catch (...) {
    korvale::SortEntries(entries);
    put(entries);
    throw;
  }
  korvale::SortEntries(entries);
  put(entries);
}

std::string PlayerEntryBytes(PlayerFileState& file, std::int64_t k) {
  return korvale::PlayerListEntry(file.ReadField(k, FieldId::LastName),
                                  file.ReadField(k, FieldId::FirstName),
                                  file.ReadField(k, FieldId::PlayerId));
}

constexpr int kRecordRole = Qt::UserRole;

}  // namespace

void CKorvaleView::FillPlayerList() {
  auto* model = static_cast<QStringListModel*>(playerList_->model());
  model->setStringList({});
  playerRecords_.clear();
  const std::uint64_t length = state_.FileLength();
  CollectSorted(
      [&](std::vector<ListEntry>& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::LastName);
             ++k) {
          entries.push_back({korvale::ShownText(PlayerEntryBytes(state_, k)), k});
        }
      },
      [&](const std::vector<ListEntry>& entries) {
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(entries.size()));
        playerRecords_.reserve(entries.size());
        for (const ListEntry& entry : entries) {
          texts << entry.text;
          playerRecords_.push_back(entry.record);
        }
        model->setStringList(texts);
        playerList_->setCurrentIndex(-1);
      });
}

// Selects the entry of the current record.
void CKorvaleView::SyncPlayerList() {
  const auto at = std::find(playerRecords_.begin(), playerRecords_.end(), state_.CurrentRecord());
  if (at != playerRecords_.end()) {
    playerList_->setCurrentIndex(static_cast<int>(at - playerRecords_.begin()));
  }
}

void CKorvaleView::FillRosterList() {
  SetRosterEntries({});
  const int team = teamChoice_->currentIndex();
  const std::uint64_t length = state_.FileLength();
  CollectSorted(
      [&](std::vector<ListEntry>& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::Team); ++k) {
          if (korvale::ReadNumber(state_.ReadField(k, FieldId::Team)) != team) continue;
          const std::string player = PlayerEntryBytes(state_, k);
          const std::int32_t slot = korvale::ReadNumber(state_.ReadField(k, FieldId::RosterSlot));
          entries.push_back({korvale::ShownText(korvale::RosterListEntry(slot, player)), k});
        }
      },
      [&](const std::vector<ListEntry>& entries) { SetRosterEntries(entries); });
}

void CKorvaleView::SetRosterEntries(const std::vector<ListEntry>& entries) {
  const bool was = std::exchange(settingRoster_, true);
  rosterList_->clear();
  for (const ListEntry& entry : entries) {
    auto* item = new QListWidgetItem(entry.text);
    item->setData(kRecordRole, QVariant::fromValue<qlonglong>(entry.record));
    rosterList_->addItem(item);
  }
  rosterRow_ = -1;
  settingRoster_ = was;
}

void CKorvaleView::ShowChosenRecord(std::int64_t record, bool syncPlayerList) {
  state_.SetCurrentRecord(static_cast<std::int32_t>(record));
  ShowCurrentRecord();
  if (syncPlayerList) {
    SyncPlayerList();
  } else {
    FillRosterList();
  }
  ratings_->RecalculateOverall();
}

void CKorvaleView::OnPlayerListChosen() {
  const int index = playerList_->currentIndex();
  if (!CommitBeforeCommand()) {
    SyncPlayerList();  // the entry shown before the click
    return;
  }
  if (index < 0 || static_cast<std::size_t>(index) >= playerRecords_.size()) return;
  Guarded(messages_, [this, record = playerRecords_[static_cast<std::size_t>(index)]] {
    ShowChosenRecord(record, false);
    ShowPlayerId(playerId_);
  });
}

void CKorvaleView::OnTeamChosen() {
  Guarded(messages_, [this] { FillRosterList(); });
}

void CKorvaleView::OnRosterSelectionChanged() {
  if (settingRoster_) return;
  const QList<QListWidgetItem*> selected = rosterList_->selectedItems();
  // No user action leaves the list without its entry, and a stopped
  // command gives the entry back.
  if (selected.isEmpty() || !CommitBeforeCommand()) {
    SelectRosterRow(rosterRow_);
    return;
  }
  rosterRow_ = rosterList_->row(selected.front());
  Guarded(messages_, [this, record = selected.front()->data(kRecordRole).toLongLong()] {
    ShowChosenRecord(record, true);
  });
}

void CKorvaleView::SelectRosterRow(int row) {
  const bool was = std::exchange(settingRoster_, true);
  rosterList_->clearSelection();
  if (row >= 0) rosterList_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  settingRoster_ = was;
}
