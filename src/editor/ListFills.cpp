#include "ListFills.h"

#include "ListEntries.h"
#include "StoredForms.h"

namespace korvale {

namespace {

template <typename Walk>
void CollectSorted(Walk&& walk, const PutEntries& put) {
  std::vector<ListEntry> entries;
  try {
    walk(entries);
  } catch (...) {
    SortEntries(entries);
    put(entries);
    throw;
  }
  SortEntries(entries);
  put(entries);
}

std::string PlayerEntryBytes(PlayerFileState& file, std::int64_t k) {
  return PlayerListEntry(file.ReadField(k, FieldId::LastName),
                         file.ReadField(k, FieldId::FirstName),
                         file.ReadField(k, FieldId::PlayerId));
}

}  // namespace

void CollectPlayerEntries(PlayerFileState& file, const PutEntries& put) {
  const std::uint64_t length = file.FileLength();
  CollectSorted(
      [&](std::vector<ListEntry>& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::LastName);
             ++k) {
          entries.push_back({PlayerEntryBytes(file, k), k});
        }
      },
      put);
}

void CollectRosterEntries(PlayerFileState& file, int team, const PutEntries& put) {
  const std::uint64_t length = file.FileLength();
  CollectSorted(
      [&](std::vector<ListEntry>& entries) {
        for (std::int64_t k = 0; PlayerFileState::RecordReaches(length, k, FieldId::Team); ++k) {
          if (ReadNumber(file.ReadField(k, FieldId::Team)) != team) continue;
          const std::string player = PlayerEntryBytes(file, k);
          const std::int32_t slot = ReadNumber(file.ReadField(k, FieldId::RosterSlot));
          entries.push_back({RosterListEntry(slot, player), k});
        }
      },
      put);
}

}  // namespace korvale
