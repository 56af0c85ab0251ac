// The player list, the team choice and the roster list of the editor view.
#include <QComboBox>
#include <QListWidget>
#include <QStringListModel>

#include "CKorvaleView.h"
#include "CPlayerRatingsPage.h"
#include "Guarded.h"
#include "ListFills.h"
#include "ListText.h"

using korvale::ListEntry;

namespace {

constexpr int kRecordRole = Qt::UserRole;

}  // namespace

void CKorvaleView::FillPlayerList() {
  auto* model = static_cast<QStringListModel*>(playerList_->model());
  model->setStringList({});
  playerRecords_.clear();
  korvale::CollectPlayerEntries(state_, [&](const std::vector<ListEntry>& entries) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    playerRecords_.reserve(entries.size());
    for (const ListEntry& entry : entries) {
      texts << korvale::ShownText(entry.text);
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
  korvale::CollectRosterEntries(
      state_, teamChoice_->currentIndex(),
      [this](const std::vector<ListEntry>& entries) { SetRosterEntries(entries); });
}

void CKorvaleView::SetRosterEntries(const std::vector<ListEntry>& entries) {
  const bool was = std::exchange(settingRoster_, true);
  rosterList_->clear();
  for (const ListEntry& entry : entries) {
    auto* item = new QListWidgetItem(korvale::ShownText(entry.text));
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
