#include "RosterSlots.h"

#include "ListEntries.h"

namespace korvale::cli {
namespace {

constexpr std::int64_t kFreeAgents = 29;
// Holders of one slot named before the rest are counted.
constexpr std::size_t kHoldersNamed = 10;

std::string TeamName(std::int64_t team) {
  const auto entry = EntryForCode(FieldId::Team, team);
  return entry ? std::string(*entry) : "team " + std::to_string(team);
}

std::string RecordList(const std::vector<std::int64_t>& first, std::size_t count) {
  std::string list;
  for (std::size_t i = 0; i < first.size(); ++i) {
    list += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + std::to_string(first[i]);
  }
  if (first.size() < count) list += " and " + std::to_string(count - first.size()) + " more";
  return list;
}

}  // namespace

void RosterSlots::Add(const RecordSpan& record) {
  const std::int64_t team = ShownNumber(record, FieldId::Team);
  if (team == kFreeAgents) return;
  Holders& holders = holders_[{team, ShownNumber(record, FieldId::RosterSlot)}];
  if (holders.first.size() < kHoldersNamed) holders.first.push_back(record.index);
  ++holders.count;
}

std::vector<std::string> RosterSlots::Shared() const {
  std::vector<std::string> shared;
  for (const auto& [slot, holders] : holders_) {
    if (holders.count < 2) continue;
    shared.push_back(TeamName(slot.first) + ": slot " + std::to_string(slot.second + 1) +
                     " is held by records " + RecordList(holders.first, holders.count));
  }
  return shared;
}

}  // namespace korvale::cli
