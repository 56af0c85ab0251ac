#include "ShownEntries.h"

#include <algorithm>

using korvale::CompareFolded;
using korvale::ListEntry;

void ShownEntries::Set(std::vector<ListEntry> entries, const Show& show) {
  korvale::SortEntries(entries);
  show(entries);
  Clear();
  records_.reserve(entries.size());
  for (const ListEntry& entry : entries) records_.push_back(entry.record);
  if (keep_ == Keep::Records) return;
  std::size_t bytes = 0;
  for (const ListEntry& entry : entries) bytes += entry.text.size();
  texts_.Reserve(entries.size(), bytes);
  for (const ListEntry& entry : entries) texts_.Append(entry.text);
}

void ShownEntries::Clear() {
  texts_.Clear();
  std::vector<std::int64_t>().swap(records_);
}

int ShownEntries::IndexOf(std::int64_t record) const {
  const auto at = std::find(records_.begin(), records_.end(), record);
  return at == records_.end() ? -1 : static_cast<int>(at - records_.begin());
}

std::optional<std::int64_t> ShownEntries::RecordAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= records_.size()) return std::nullopt;
  return records_[static_cast<std::size_t>(index)];
}

// The order of a sorted list: folded text, then file order.
std::size_t ShownEntries::PlaceWithout(std::size_t from, const ListEntry& entry) const {
  std::size_t low = 0;
  std::size_t high = records_.size() - 1;
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const std::size_t at = middle < from ? middle : middle + 1;
    const int order = CompareFolded(texts_.At(at), entry.text);
    if (order < 0 || (order == 0 && records_[at] < entry.record)) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

bool ShownEntries::TakeOneChange(const std::vector<ListEntry>& fresh, std::optional<Move>& move) {
  move.reset();
  if (fresh.size() != records_.size() || texts_.Size() != records_.size()) return false;
  std::vector<int> place(fresh.size(), -1);  // each record's entry in the list
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const std::int64_t record = records_[i];
    if (record < 0 || static_cast<std::size_t>(record) >= place.size()) return false;
    place[static_cast<std::size_t>(record)] = static_cast<int>(i);
  }
  std::optional<std::size_t> changed;
  for (std::size_t k = 0; k < fresh.size(); ++k) {
    if (fresh[k].record != static_cast<std::int64_t>(k) || place[k] < 0) return false;
    if (texts_.At(static_cast<std::size_t>(place[k])) == fresh[k].text) continue;
    if (changed) return false;
    changed = k;
  }
  if (!changed) return true;
  const auto from = static_cast<std::size_t>(place[*changed]);
  const std::size_t to = PlaceWithout(from, fresh[*changed]);
  texts_.Move(from, to, fresh[*changed].text);
  korvale::MoveWithin(records_, from, to);
  records_[to] = fresh[*changed].record;
  move = Move{static_cast<int>(from), static_cast<int>(to)};
  return true;
}
