#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ShownEntries.h"

namespace {

using korvale::ListEntry;

// One entry per record, in file order.
std::vector<ListEntry> InFileOrder(const std::vector<std::string>& texts) {
  std::vector<ListEntry> entries;
  for (std::size_t k = 0; k < texts.size(); ++k) {
    entries.push_back({texts[k], static_cast<std::int64_t>(k)});
  }
  return entries;
}

using Entries = std::vector<std::pair<std::string, std::int64_t>>;

Entries Pairs(const std::vector<ListEntry>& entries) {
  Entries pairs;
  for (const ListEntry& e : entries) pairs.emplace_back(e.text, e.record);
  return pairs;
}

// What a whole fill shows: folded text, then file order.
Entries Sorted(std::vector<ListEntry> entries) {
  korvale::SortEntries(entries);
  return Pairs(entries);
}

Entries Shown(const ShownEntries& shown) {
  Entries entries;
  for (int i = 0; shown.RecordAt(i); ++i) {
    entries.emplace_back(std::string(shown.TextAt(i)), *shown.RecordAt(i));
  }
  return entries;
}

ShownEntries Showing(const std::vector<std::string>& texts) {
  ShownEntries shown;
  shown.Set(InFileOrder(texts), [](const std::vector<ListEntry>&) {});
  return shown;
}

// A fresh fill that differs from the list in one record's text at most
// takes one move, and leaves the list as a whole fill would; any other
// difference is left to a whole fill.
TEST(ShownEntriesTest, OneChangedEntryMovesToWhereAWholeFillPutsIt) {
  const std::vector<std::string> before = {"Baker, Al", "cole, Bo", "Dunn, Cy", "Cole, Bo"};
  struct Case {
    const char* name;
    std::vector<std::string> fresh;
    bool taken;
    int from;  // -1: no move
    int to;
  };
  const Case cases[] = {
      {"nothing changed", before, true, -1, -1},
      {"to the end", {"Zorn, Al", "cole, Bo", "Dunn, Cy", "Cole, Bo"}, true, 0, 3},
      {"to the front", {"Baker, Al", "cole, Bo", "Abel, Cy", "Cole, Bo"}, true, 3, 0},
      {"same place, new text", {"Baker, Al", "cole, Bo", "Dunn, Cz", "Cole, Bo"}, true, 3, 3},
      {"a tie goes by record", {"Baker, Al", "cole, Bo", "COLE, BO", "Cole, Bo"}, true, 3, 2},
      {"two changed", {"Zorn, Al", "cole, Bo", "Abel, Cy", "Cole, Bo"}, false, -1, -1},
      {"a record more",
       {"Baker, Al", "cole, Bo", "Dunn, Cy", "Cole, Bo", "Eck, Di"},
       false,
       -1,
       -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShownEntries shown = Showing(before);
    std::optional<ShownEntries::Move> move;
    EXPECT_EQ(shown.TakeOneChange(InFileOrder(c.fresh), move), c.taken);
    const std::pair<int, int> moved = move ? std::pair{move->from, move->to} : std::pair{-1, -1};
    EXPECT_EQ(moved, (std::pair{c.from, c.to}));
    EXPECT_EQ(Shown(shown), Sorted(InFileOrder(c.taken ? c.fresh : before)));
  }
}

// Many renames of one player, each kept beside the texts it replaced until
// they fill half the buffer: the list stays what a whole fill shows.
TEST(ShownEntriesTest, ManyRenamesKeepTheListAsAWholeFillShowsIt) {
  std::vector<std::string> texts = {"Mann, Al", "Kehl, Bo", "Ruiz, Cy", "Lo, Di", "Abt, Ed"};
  ShownEntries shown = Showing(texts);
  for (int i = 0; i < 200; ++i) {
    texts[static_cast<std::size_t>(i % 5)] = std::string(static_cast<std::size_t>(i % 23), 'q') +
                                             std::to_string(i * 7919 % 1000) + ", a long name";
    std::optional<ShownEntries::Move> move;
    ASSERT_TRUE(shown.TakeOneChange(InFileOrder(texts), move));
    ASSERT_EQ(Shown(shown), Sorted(InFileOrder(texts))) << "after rename " << i;
  }
}

// A list kept without its texts still names each entry's record, and is
// never compared: a fresh fill is taken whole.
TEST(ShownEntriesTest, AListOfRecordsOnlyIsNeverCompared) {
  ShownEntries shown(ShownEntries::Keep::Records);
  Entries handed;
  shown.Set(InFileOrder({"b", "a"}), [&](const std::vector<ListEntry>& e) { handed = Pairs(e); });
  EXPECT_EQ(handed, Sorted(InFileOrder({"b", "a"})));
  EXPECT_EQ(shown.RecordAt(0), 1);
  EXPECT_EQ(shown.IndexOf(0), 1);
  EXPECT_EQ(shown.RecordAt(2), std::nullopt);
  std::optional<ShownEntries::Move> move;
  EXPECT_FALSE(shown.TakeOneChange(InFileOrder({"b", "a"}), move));
}

}  // namespace
