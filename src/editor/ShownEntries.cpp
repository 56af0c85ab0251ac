#include "ShownEntries.h"

#include <algorithm>

using korvale::CompareFolded;
using korvale::ListEntry;

namespace {

// The order of a sorted list: folded text, then file order.
bool Before(const ListEntry& a, const ListEntry& b) {
  const int order = CompareFolded(a.text, b.text);
  return order < 0 || (order == 0 && a.record < b.record);
}

}  // namespace

void ShownEntries::Set(std::vector<ListEntry> entries) {
  korvale::SortEntries(entries);
  entries_ = std::move(entries);
}

int ShownEntries::IndexOf(std::int64_t record) const {
  const auto at = std::find_if(entries_.begin(), entries_.end(),
                               [record](const ListEntry& e) { return e.record == record; });
  return at == entries_.end() ? -1 : static_cast<int>(at - entries_.begin());
}

std::optional<std::int64_t> ShownEntries::RecordAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return std::nullopt;
  return entries_[static_cast<std::size_t>(index)].record;
}

bool ShownEntries::TakeOneChange(const std::vector<ListEntry>& fresh, std::optional<Move>& move) {
  move.reset();
  if (fresh.size() != entries_.size()) return false;
  std::vector<int> place(fresh.size(), -1);  // each record's entry in the list
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::int64_t record = entries_[i].record;
    if (record < 0 || static_cast<std::size_t>(record) >= place.size()) return false;
    place[static_cast<std::size_t>(record)] = static_cast<int>(i);
  }
  std::optional<std::size_t> changed;
  for (std::size_t k = 0; k < fresh.size(); ++k) {
    if (fresh[k].record != static_cast<std::int64_t>(k) || place[k] < 0) return false;
    if (entries_[static_cast<std::size_t>(place[k])].text == fresh[k].text) continue;
    if (changed) return false;
    changed = k;
  }
  if (!changed) return true;
  const int from = place[*changed];
  entries_.erase(entries_.begin() + from);
  const auto to = std::lower_bound(entries_.begin(), entries_.end(), fresh[*changed], Before);
  move = Move{from, static_cast<int>(to - entries_.begin())};
  entries_.insert(to, fresh[*changed]);
  return true;
}
