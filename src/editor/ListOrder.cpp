#include "ListOrder.h"

#include <algorithm>
#include <array>

#include "Windows1252.h"

namespace korvale {

namespace {

// Each byte's character after simple case folding, as a UTF-16 unit: every
// Windows-1252 character and its fold lie in the Basic Multilingual Plane.
std::array<char16_t, 256> FoldTable() {
  std::array<char16_t, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    const char32_t c = DecodeCp1252(static_cast<unsigned char>(byte));
    const bool upperLatin = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    table[byte] = static_cast<char16_t>(upperLatin ? c + 0x20 : c);
  }
  table[0x8A] = u'\u0161';  // S caron
  table[0x8C] = u'\u0153';  // OE
  table[0x8E] = u'\u017E';  // Z caron
  table[0x9F] = u'\u00FF';  // Y diaeresis
  table[0xB5] = u'\u03BC';  // micro sign folds to Greek mu
  return table;
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  static const std::array<char16_t, 256> fold = FoldTable();
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char16_t x = fold[static_cast<unsigned char>(a[i])];
    const char16_t y = fold[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void SortEntries(std::vector<ListEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const ListEntry& a, const ListEntry& b) {
    return CompareFolded(a.text, b.text) < 0;
  });
}

}  // namespace korvale
