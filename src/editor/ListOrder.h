#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvale {

// A list entry as file text (Windows-1252 bytes), and the record it stands
// for. Front ends decode the text as they put it into the list.
struct ListEntry {
  std::string text;
  std::int64_t record;
};

// Orders two file texts as a sorted list box does: character by character
// with letter case folded, then the shorter first. Negative, 0, positive.
[[nodiscard]] int CompareFolded(std::string_view a, std::string_view b);

// Sorts list entries by CompareFolded; entries that compare equal keep
// their order.
void SortEntries(std::vector<ListEntry>& entries);

}  // namespace korvale
