#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "ChangeSetCodec.h"

namespace korvale::history {

// Where a change set ends in the file, and its time.
struct SetExtent {
  std::size_t end = 0;
  std::int64_t time = 0;
};

// Where the change sets of a history file end, found without reading the
// whole file: each set's frame is read and its body skipped, and only the
// last set, the one an append cut short may have left, is read whole for
// its checksum.
struct HistoryScan {
  std::vector<SetExtent> extents;
  std::uint64_t lastId = 0;
  // The bytes up to the end of the last complete set.
  std::uint64_t validLength = 0;
};

// Nothing when the file cannot be read.
[[nodiscard]] std::optional<HistoryScan> ScanHistory(const std::filesystem::path& path,
                                                     std::uint64_t length);

}  // namespace korvale::history
