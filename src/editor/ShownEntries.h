#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ListOrder.h"

// The entries a sorted list of the form shows, in list order, each with
// its record: what the list holds, so that a pick names its record and a
// fill read afresh can be compared with what is shown.
class ShownEntries {
 public:
  // One entry taking a new text and a new place.
  struct Move {
    int from;
    int to;
  };

  // Sorts the entries (ties in file order) and takes them.
  void Set(std::vector<korvale::ListEntry> entries);
  void Clear() { entries_.clear(); }

  [[nodiscard]] const std::vector<korvale::ListEntry>& Entries() const { return entries_; }
  // Where the record's entry stands, or -1.
  [[nodiscard]] int IndexOf(std::int64_t record) const;
  // The record of the entry at `index`, if there is one.
  [[nodiscard]] std::optional<std::int64_t> RecordAt(int index) const;

  // `fresh` holds one entry per record of the file, in file order. When
  // the entries shown are the same but for the text of one record at most,
  // they become those of `fresh` by one entry taking its text and place
  // (given in `move`; none when nothing differs): true. Otherwise false,
  // and nothing changes.
  [[nodiscard]] bool TakeOneChange(const std::vector<korvale::ListEntry>& fresh,
                                   std::optional<Move>& move);

 private:
  std::vector<korvale::ListEntry> entries_;
};
