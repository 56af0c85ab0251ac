#include "RecordScan.h"

#include <algorithm>

namespace korvale {

RecordScan::RecordScan(PlayerFileState& file, const ScanWindow& window, std::uint64_t length)
    : file_(file), window_(window), count_(0), bufferStart_(window.begin) {
  const std::uint64_t first = Field(window.bounding).position;
  if (length > first) count_ = static_cast<std::int64_t>((length - first - 1) / kRecordLength + 1);
}

void RecordScan::Refill(std::uint64_t keepFrom, std::uint64_t from, std::uint64_t to) {
  const std::size_t kept =
      buffer_.size() - std::min<std::size_t>(buffer_.size(), keepFrom - bufferStart_);
  buffer_.erase(0, buffer_.size() - kept);
  bufferStart_ = keepFrom;
  buffer_.resize(kept + (to - from));
  const std::size_t got = file_.ReadBytesTo(from, buffer_.data() + kept, to - from);
  buffer_.resize(kept + got);
}

void RecordScan::ForEach(
    const std::function<void(std::int64_t record, std::string_view bytes)>& visit) {
  const std::int64_t most =
      std::max<std::int64_t>(1, static_cast<std::int64_t>(kBlockBytes / kRecordLength));
  const std::uint64_t width = window_.end - window_.begin;
  std::uint64_t from = window_.begin;
  for (std::int64_t first = 0; first < count_;) {
    const std::int64_t next = std::min(count_, first + std::clamp<std::int64_t>(first, 1, most));
    const std::uint64_t to = next == count_ ? At(next - 1, window_.end) : At(next, window_.cut);
    Refill(At(first, window_.begin), from, to);
    from = to;
    const std::string_view bytes(buffer_);
    for (std::int64_t k = first; k < next; ++k) {
      const std::size_t at =
          std::min<std::size_t>(At(k, window_.begin) - bufferStart_, bytes.size());
      visit(k, bytes.substr(at, width));
    }
    first = next;
  }
}

}  // namespace korvale
