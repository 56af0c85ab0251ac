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
  std::string piece;
  ReadRecordsInto(first, n, piece);
  return piece;
}

void RecordSource::ReadRecordsInto(std::int64_t first, std::int64_t n, std::string& piece) {
  file_.ReadBytesInto(RecordStart(first), static_cast<std::size_t>(n) * kRecordLength, piece);
}

void RecordSource::ForEach(const std::function<void(const RecordSpan&)>& visit) {
  const ScanWindow whole{RecordStart(0), RecordStart(1), RecordStart(0), FieldId::LastName};
  RecordScan(file_, whole, length_).ForEach([&](std::int64_t k, std::string_view bytes) {
    visit(RecordSpan{k, bytes});
  });
}

std::string RecordSource::Read(std::int64_t record) {
  return file_.ReadBytes(RecordStart(record), kRecordLength);
}

}  // namespace korvale::cli
