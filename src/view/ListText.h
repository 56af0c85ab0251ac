#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include <QString>

namespace korvale {

// File bytes (Windows-1252) as shown text.
[[nodiscard]] QString ShownText(std::string_view bytes);

// A list entry as shown, and the record it stands for.
struct ListEntry {
  QString text;
  std::int64_t record;
};

// Sorts list entries as a sorted list box orders them: case-insensitive,
// entries that compare equal keep their order.
void SortEntries(std::vector<ListEntry>& entries);

}  // namespace korvale
