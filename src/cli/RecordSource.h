#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "PlayerFileState.h"
#include "RecordScan.h"
#include "RosterOpen.h"
#include "Shown.h"

namespace korvale::cli {

// The file offset at which record k starts (its deletion flag).
[[nodiscard]] std::uint64_t RecordStart(std::int64_t record);
// Record `index` within a piece read from record `first` on.
[[nodiscard]] RecordSpan RecordIn(std::string_view chunk, std::int64_t first, std::int64_t index);

// How many records the pieces hold: the scanning reader's block.
inline constexpr std::int64_t kRecordsPerRead =
    static_cast<std::int64_t>(RecordScan::kBlockBytes / kRecordLength);

// Reads the records of an open player file in large pieces and hands each
// one over in file order (ForEach: through the scanning reader). The records are those the editor
// counts (every record that holds the first byte of LastName); the last may be short.
class RecordSource {
 public:
  explicit RecordSource(PlayerFileState& file);

  [[nodiscard]] std::int64_t Count() const { return count_; }
  [[nodiscard]] std::uint64_t Length() const { return length_; }
  void ForEach(const std::function<void(const RecordSpan&)>& visit);
  // Records [first, first + n) in one read (cut short at the end of the file).
  [[nodiscard]] std::string ReadRecords(std::int64_t first, std::int64_t n);
  // The same into `piece`, whose memory is reused.
  void ReadRecordsInto(std::int64_t first, std::int64_t n, std::string& piece);
  // One record, read on its own.
  [[nodiscard]] std::string Read(std::int64_t record);

 private:
  PlayerFileState& file_;
  std::uint64_t length_;
  std::int64_t count_;
};

}  // namespace korvale::cli
