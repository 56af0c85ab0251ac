#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "ChangeSetCodec.h"

namespace korvale::history {

// One place in a history file: an intact change set (with the state its
// mark gives it), or damaged bytes that hold none.
struct HistoryEntry {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  bool damaged = false;
  std::uint64_t id = 0;   // 0 for damage whose set's id cannot be read
  std::int64_t time = 0;  // for damage, the time of the set before it
  SetState state = SetState::Unmarked;
};

// What a scan of a history file finds, reading it a piece at a time:
// every frame's checksum is checked; past damage the scan goes on at the
// next intact frame it finds by its mark.
struct HistoryScan {
  std::vector<HistoryEntry> entries;  // in the file's order
  std::uint64_t lastId = 0;           // the highest id any set has had
  // Where the next frame goes: after the last frame, intact or damaged;
  // only a frame cut short at the end (an append killed half way) is
  // written over.
  std::uint64_t appendAt = 0;
};

// Nothing when the file cannot be read.
[[nodiscard]] std::optional<HistoryScan> ScanHistory(const std::filesystem::path& path,
                                                     std::uint64_t length);

}  // namespace korvale::history
