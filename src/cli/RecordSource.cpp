#include "RecordSource.h"

#include <algorithm>

#include "DbaseHeader.h"

namespace korvale::cli {
std::uint64_t RecordStart(std::int64_t record) {
  return kDbaseHeaderLength + kRecordLength * static_cast<std::uint64_t>(record);
}

RecordSource::RecordSource(PlayerFileState& file)
    : file_(file), length_(file.FileLength()), count_(PlayerFileState::RecordCount(length_)) {}

RecordSpan RecordIn(std::string_view chunk, std::int64_t first, std::int64_t index) {
  const std::size_t at = static_cast<std::size_t>(index - first) * kRecordLength;
  return {index, chunk.substr(std::min(at, chunk.size())).substr(0, kRecordLength)};
}

std::string RecordSource::ReadRecords(std::int64_t first, std::int64_t n) {
  return file_.ReadBytes(RecordStart(first), static_cast<std::size_t>(n) * kRecordLength);
}

void RecordSource::ForEach(const std::function<void(const RecordSpan&)>& visit) {
  for (std::int64_t first = 0; first < count_; first += kRecordsPerRead) {
    const std::int64_t n = std::min(kRecordsPerRead, count_ - first);
    const std::string chunk = ReadRecords(first, n);
    for (std::int64_t k = first; k < first + n; ++k) visit(RecordIn(chunk, first, k));
  }
}

std::string RecordSource::Read(std::int64_t record) {
  return file_.ReadBytes(RecordStart(record), kRecordLength);
}

}  // namespace korvale::cli
