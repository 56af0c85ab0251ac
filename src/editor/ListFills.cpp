#include "ListFills.h"

#include <algorithm>

#include "ListEntries.h"
#include "RecordScan.h"
#include "StoredForms.h"

namespace korvale {

namespace {

template <typename Walk>
void Collect(Walk&& walk, const PutEntries& put) {
  std::vector<ListEntry> entries;
  try {
    walk(entries);
  } catch (...) {
    put(std::move(entries));
    throw;
  }
  put(std::move(entries));
}

// The window over the fields a walk reads, the first of them `cut`.
ScanWindow WindowOf(std::initializer_list<FieldId> fields, FieldId cut) {
  ScanWindow window{Field(cut).position, 0, Field(cut).position, cut};
  for (const FieldId id : fields) {
    window.begin = std::min<std::uint64_t>(window.begin, Field(id).position);
    window.end = std::max<std::uint64_t>(window.end, Field(id).position + Field(id).readWidth);
  }
  return window;
}

std::string PlayerEntryBytes(std::string_view record, std::uint64_t begin) {
  const auto field = [&](FieldId id) {
    return FieldFromSpan(record, static_cast<std::uint16_t>(begin), Field(id));
  };
  return PlayerListEntry(field(FieldId::LastName), field(FieldId::FirstName),
                         field(FieldId::PlayerId));
}

}  // namespace

void ScanPlayerEntries(PlayerFileState& file, std::vector<ListEntry>& entries) {
  const ScanWindow window =
      WindowOf({FieldId::LastName, FieldId::FirstName, FieldId::PlayerId}, FieldId::LastName);
  RecordScan scan(file, window, file.FileLength());
  entries.reserve(static_cast<std::size_t>(scan.Count()));
  scan.ForEach([&](std::int64_t k, std::string_view record) {
    entries.push_back({PlayerEntryBytes(record, window.begin), k});
  });
}

void CollectRosterEntries(PlayerFileState& file, int team, const PutEntries& put) {
  const ScanWindow window = WindowOf({FieldId::LastName, FieldId::FirstName, FieldId::PlayerId,
                                      FieldId::RosterSlot, FieldId::Team},
                                     FieldId::Team);
  RecordScan scan(file, window, file.FileLength());
  const auto field = [&](std::string_view record, FieldId id) {
    return FieldFromSpan(record, static_cast<std::uint16_t>(window.begin), Field(id));
  };
  Collect(
      [&](std::vector<ListEntry>& entries) {
        scan.ForEach([&](std::int64_t k, std::string_view record) {
          if (ReadNumber(field(record, FieldId::Team)) != team) return;
          const std::int32_t slot = ReadNumber(field(record, FieldId::RosterSlot));
          entries.push_back({RosterListEntry(slot, PlayerEntryBytes(record, window.begin)), k});
        });
      },
      put);
}

}  // namespace korvale
