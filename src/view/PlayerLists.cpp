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
using korvale::PlayerFileState;

namespace {

// Runs `walk`, then puts whatever entries it collected into the list,
// sorted, also when a file error ended the walk early.
template <typename Walk, typename Put>
void CollectSorted(Walk&& walk, Put&& put) {
  QStringList entries;
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

}  // namespace

void CKorvaleView::FillPlayerList() {
  auto* model = static_cast<QStringListModel*>(playerList_->model());
  model->setStringList({});
  const std::uint64_t length = state_.FileLength();
  CollectSorted(
      [&](QStringList& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::LastName);
             ++k) {
          entries << korvale::ShownText(PlayerEntryBytes(state_, k));
        }
      },
      [&](const QStringList& entries) {
        model->setStringList(entries);
        playerList_->setCurrentIndex(-1);
      });
}

void CKorvaleView::SyncPlayerList() {
  const QStringList entries = static_cast<QStringListModel*>(playerList_->model())->stringList();
  std::optional<std::int32_t> id;
  for (qsizetype i = 0; i < entries.size(); ++i) {
    if (!id) id = korvale::ReadNumber(state_.ReadField(state_.CurrentRecord(), FieldId::PlayerId));
    if (korvale::EntryIdOf(entries[i]) == *id) {
      playerList_->setCurrentIndex(static_cast<int>(i));
      return;
    }
  }
}

void CKorvaleView::FillRosterList() {
  SetRosterEntries({});
  const int team = teamChoice_->currentIndex();
  const std::uint64_t length = state_.FileLength();
  CollectSorted(
      [&](QStringList& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::Team); ++k) {
          if (korvale::ReadNumber(state_.ReadField(k, FieldId::Team)) != team) continue;
          const std::string player = PlayerEntryBytes(state_, k);
          const std::int32_t slot = korvale::ReadNumber(state_.ReadField(k, FieldId::RosterSlot));
          entries << korvale::ShownText(korvale::RosterListEntry(slot, player));
        }
      },
      [&](const QStringList& entries) { SetRosterEntries(entries); });
}

void CKorvaleView::SetRosterEntries(const QStringList& entries) {
  const bool was = std::exchange(settingRoster_, true);
  rosterList_->clear();
  rosterList_->addItems(entries);
  settingRoster_ = was;
}

void CKorvaleView::WalkForPlayerId(std::int32_t id, const std::function<void()>& shown) {
  const std::uint64_t length = state_.FileLength();
  for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::PlayerId); ++k) {
    if (korvale::ReadNumber(state_.ReadField(k, FieldId::PlayerId)) != id) continue;
    state_.SetCurrentRecord(static_cast<std::int32_t>(k));
    shown();
  }
}

void CKorvaleView::OnPlayerListChosen() {
  Guarded(messages_, [this] {
    WalkForPlayerId(korvale::EntryIdOf(playerList_->currentText()), [this] {
      ShowCurrentRecord();
      FillRosterList();
      ratings_->RecalculateOverall();
    });
    ShowPlayerId(playerId_);
  });
}

void CKorvaleView::OnTeamChosen() {
  Guarded(messages_, [this] { FillRosterList(); });
}

void CKorvaleView::OnRosterSelectionChanged() {
  if (settingRoster_) return;
  Guarded(messages_, [this] {
    const QList<QListWidgetItem*> selected = rosterList_->selectedItems();
    const QString text = selected.isEmpty() ? QString() : selected.front()->text();
    WalkForPlayerId(korvale::EntryIdOf(text), [this] {
      ShowCurrentRecord();
      SyncPlayerList();
      ratings_->RecalculateOverall();
    });
  });
}
