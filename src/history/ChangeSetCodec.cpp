#include "ChangeSetCodec.h"

#include <bit>
#include <cstring>
#include <optional>

#include "ChangeSetWriter.h"
#include "LittleEndian.h"

namespace korvale::history {
namespace {

constexpr std::size_t kFrame = kSetMagic.size() + 4;  // magic and body length
constexpr std::size_t kChecksum = 4;
std::uint64_t ByteSwapped(std::uint64_t word) {
  std::uint64_t swapped = 0;
  for (int i = 0; i < 8; ++i) swapped = (swapped << 8) | ((word >> (8 * i)) & 0xFF);
  return swapped;
}

constexpr std::size_t kChangeFrame = 4 + 1 + 2 + 2;  // record, field, both sizes

std::optional<ChangeSet> DecodeBody(std::string_view body) {
  LittleEndianReader r{body};
  ChangeSet set;
  set.id = r.Number(8);
  set.time = static_cast<std::int64_t>(r.Number(8));
  const auto program = r.Number(1);
  if (program > static_cast<std::uint64_t>(Program::Apply)) return std::nullopt;
  set.program = static_cast<Program>(program);
  const std::uint64_t count = r.Number(4);
  for (std::uint64_t i = 0; i < count && !r.broken; ++i) {
    FieldChange change;
    change.record = static_cast<std::int64_t>(r.Number(4));
    const std::uint64_t field = r.Number(1);
    if (field >= kFieldCount) return std::nullopt;
    change.field = static_cast<FieldId>(field);
    const std::uint64_t oldSize = r.Number(2);
    const std::uint64_t newSize = r.Number(2);
    change.oldBytes = r.Bytes(oldSize);
    change.newBytes = r.Bytes(newSize);
    set.changes.push_back(std::move(change));
  }
  if (r.broken || r.at != body.size()) return std::nullopt;
  return set;
}

}  // namespace

std::uint32_t SetChecksum(std::string_view bytes) {
  constexpr std::uint64_t kPrime = 1099511628211ULL;
  std::uint64_t hash = 14695981039346656037ULL;
  std::size_t at = 0;
  for (; bytes.size() - at >= 8; at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = ByteSwapped(word);
    hash = (hash ^ word) * kPrime;
    hash ^= hash >> 32;
  }
  for (; at < bytes.size(); ++at) hash = (hash ^ static_cast<unsigned char>(bytes[at])) * kPrime;
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::string EncodeChangeSet(const ChangeSet& set) {
  ChangeSetWriter writer(set.id, set.time, set.program);
  for (const FieldChange& c : set.changes) writer.Add(c.record, c.field, c.oldBytes, c.newBytes);
  return std::move(writer).Finish();
}

std::string EncodeSpanSet(std::uint64_t id, std::int64_t time, Program program,
                          const std::vector<Span>& spans) {
  std::size_t size = 0;
  for (const Span& span : spans) size += kChangeFrame + span.oldBytes.size() + span.newBytes.size();
  ChangeSetWriter writer(id, time, program, size);
  for (const Span& span : spans) {
    if (span.oldBytes == span.newBytes) continue;
    if (const auto place = PlaceOfSpan(span)) {
      writer.Add(place->record, place->field, span.oldBytes, span.newBytes);
    }
  }
  return std::move(writer).Finish();
}

std::vector<ChangeSet> DecodeHistory(std::string_view bytes) {
  std::vector<ChangeSet> sets;
  std::size_t at = 0;
  while (bytes.size() - at >= kFrame + kChecksum &&
         bytes.substr(at, kSetMagic.size()) == kSetMagic) {
    LittleEndianReader frame{bytes, at + kSetMagic.size()};
    const std::uint64_t length = frame.Number(4);
    if (bytes.size() - frame.at < length + kChecksum) break;
    const std::string_view whole = bytes.substr(at, kFrame + length);
    LittleEndianReader tail{bytes, at + whole.size()};
    if (tail.Number(4) != SetChecksum(whole)) break;
    auto set = DecodeBody(whole.substr(kFrame));
    if (!set) break;
    at = tail.at;
    sets.push_back(std::move(*set));
  }
  return sets;
}

}  // namespace korvale::history
