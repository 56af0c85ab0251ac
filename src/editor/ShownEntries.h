#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "ListOrder.h"
#include "PooledTexts.h"

// The entries a sorted list of the form shows, in list order, each with
// its record: what the list holds, so that a pick names its record and a
// fill read afresh can be compared with what is shown. The texts are kept
// in one buffer: a list of 150,000 entries costs a few megabytes. A list
// that is never compared keeps only its records.
class ShownEntries {
 public:
  enum class Keep { TextsAndRecords, Records };

  // One entry taking a new text and a new place.
  struct Move {
    int from;
    int to;
  };
  using Show = std::function<void(const std::vector<korvale::ListEntry>&)>;

  explicit ShownEntries(Keep keep = Keep::TextsAndRecords) : keep_(keep) {}

  // Sorts the entries (ties in file order), hands them to `show`, then
  // takes them.
  void Set(std::vector<korvale::ListEntry> entries, const Show& show);
  void Clear();

  // The text of the entry at `index`, when texts are kept.
  [[nodiscard]] std::string_view TextAt(int index) const {
    return texts_.At(static_cast<std::size_t>(index));
  }
  // Where the record's entry stands, or -1.
  [[nodiscard]] int IndexOf(std::int64_t record) const;
  // The record of the entry at `index`, if there is one.
  [[nodiscard]] std::optional<std::int64_t> RecordAt(int index) const;

  // `fresh` holds one entry per record of the file, in file order. When
  // the entries shown are the same but for the text of one record at most,
  // they become those of `fresh` by one entry taking its text and place
  // (given in `move`; none when nothing differs): true. Otherwise, or when
  // the texts are not kept, false, and nothing changes.
  [[nodiscard]] bool TakeOneChange(const std::vector<korvale::ListEntry>& fresh,
                                   std::optional<Move>& move);

 private:
  // Where `entry` goes among the entries other than `from`.
  [[nodiscard]] std::size_t PlaceWithout(std::size_t from, const korvale::ListEntry& entry) const;

  Keep keep_;
  korvale::PooledTexts texts_;
  std::vector<std::int64_t> records_;
};
