#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ChangeSet.h"

namespace korvale::history {

// A history file is change sets one after another, each complete on its
// own: "KVH1", the length of its body, the body, and a checksum of all
// that. The body holds the id, the time, the program and every field
// change (record, field, both sizes, old bytes, new bytes).
[[nodiscard]] std::string EncodeChangeSet(const ChangeSet& set);

// Where each change set read ends in the file, and its time.
struct SetExtent {
  std::size_t end = 0;
  std::int64_t time = 0;
};

struct DecodedHistory {
  std::vector<ChangeSet> sets;  // oldest first
  std::vector<SetExtent> extents;
  // The bytes up to the end of the last complete set: what follows (an
  // append cut short) is not read.
  std::size_t validLength = 0;
};

// Reads change sets until the bytes end or hold no complete one.
// `withChanges` false leaves every set's changes empty (a quicker scan).
[[nodiscard]] DecodedHistory DecodeHistory(std::string_view bytes, bool withChanges = true);

}  // namespace korvale::history
