#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "PlayerFileState.h"
#include "RecordLayout.h"

namespace korvale {

// What a walk over every record looks at, as positions in record 0: the
// bytes [begin, end) of each record, from the first byte of the field it
// reads first (`cut`). A record is walked while the file holds the first
// byte of `bounding`, as field-by-field walks count them.
struct ScanWindow {
  std::uint64_t begin;
  std::uint64_t end;
  std::uint64_t cut;
  FieldId bounding;
};

// Reads the records a walk needs in large blocks, in one pass, and hands
// each record's bytes over in file order. Blocks end where a record's `cut`
// begins, so a failing read ends the walk at that record with every record
// before it handed over, as a field-by-field walk leaves it. The first
// blocks hold one record, then each holds as many as were read before it,
// up to kBlockBytes: a short file is read in small reads, a long one soon
// in large ones. Every read goes through the file state and its seam; a
// read error passes on.
class RecordScan {
 public:
  // The largest block: a 150,000-record file (92 MB) is read in about 90
  // system calls, and a walk holds no more than 1 MiB of it at a time.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

  // `length` is the file's length as asked once by the caller.
  RecordScan(PlayerFileState& file, const ScanWindow& window, std::uint64_t length);

  // How many records the walk visits.
  [[nodiscard]] std::int64_t Count() const { return count_; }
  // `bytes` hold the record's window from `begin` on, cut short where the
  // file ends.
  void ForEach(const std::function<void(std::int64_t record, std::string_view bytes)>& visit);

 private:
  [[nodiscard]] std::uint64_t At(std::int64_t record, std::uint64_t position) const {
    return kRecordLength * static_cast<std::uint64_t>(record) + position;
  }
  // Reads [from, to) after the bytes kept from `keepFrom` on.
  void Refill(std::uint64_t keepFrom, std::uint64_t from, std::uint64_t to);

  PlayerFileState& file_;
  ScanWindow window_;
  std::int64_t count_;
  std::string buffer_;         // file bytes from bufferStart_ on
  std::uint64_t bufferStart_;  // the file offset of buffer_[0]
};

}  // namespace korvale
