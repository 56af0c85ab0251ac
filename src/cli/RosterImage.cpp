#include "RosterImage.h"

#include "Labels.h"
#include "RecordSource.h"

namespace korvale::cli {
namespace {

RecordSpan SpanOf(std::string_view bytes, std::int64_t record) {
  const std::size_t start = std::min<std::uint64_t>(RecordStart(record), bytes.size());
  return {record, bytes.substr(start, kRecordLength)};
}

}  // namespace

RosterImage RosterImage::Read(PlayerFileState& file) {
  return RosterImage(file.ReadBytes(0, static_cast<std::size_t>(file.FileLength())));
}

std::string RosterImage::Bytes(std::uint64_t offset, std::size_t n) const {
  if (offset >= bytes_.size()) return {};
  return bytes_.substr(static_cast<std::size_t>(offset), n);
}

void RosterImage::Put(std::uint64_t offset, std::string_view bytes) {
  if (offset >= bytes_.size()) return;
  const auto at = static_cast<std::size_t>(offset);
  bytes_.replace(at, std::min(bytes.size(), bytes_.size() - at),
                 bytes.substr(0, bytes_.size() - at));
}

RecordSpan RosterImage::Record(std::int64_t record) const { return SpanOf(bytes_, record); }

std::string RosterImage::Player(std::int64_t record) const {
  const RecordSpan span = SpanOf(bytes_, record);
  return ShownText(span, FieldId::LastName) + ", " + ShownText(span, FieldId::FirstName);
}

std::string RosterImage::Text(std::int64_t record, FieldId field) const {
  return ShownText(SpanOf(bytes_, record), field);
}

}  // namespace korvale::cli
