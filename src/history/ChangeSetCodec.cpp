#include "ChangeSetCodec.h"

#include <optional>

namespace korvale::history {
namespace {

constexpr std::string_view kMagic = "KVH1";
constexpr std::size_t kFrame = kMagic.size() + 4;  // magic and body length
constexpr std::size_t kChecksum = 4;

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t Checksum(std::string_view bytes) {
  std::uint32_t hash = 2166136261U;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619U;
  return hash;
}

// Reads little-endian numbers and byte runs in order; an overrun marks it
// broken.
struct Reader {
  std::string_view bytes;
  std::size_t at = 0;
  bool broken = false;

  std::uint64_t Number(int n) {
    if (bytes.size() - at < static_cast<std::size_t>(n)) return Break();
    std::uint64_t value = 0;
    for (int i = 0; i < n; ++i) {
      value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    }
    at += static_cast<std::size_t>(n);
    return value;
  }
  std::string Bytes(std::uint64_t n) {
    if (bytes.size() - at < n) return Break(), std::string();
    std::string out(bytes.substr(at, n));
    at += n;
    return out;
  }
  std::uint64_t Break() {
    broken = true;
    at = bytes.size();
    return 0;
  }
};

std::optional<ChangeSet> DecodeBody(std::string_view body, bool withChanges) {
  Reader r{body};
  ChangeSet set;
  set.id = r.Number(8);
  set.time = static_cast<std::int64_t>(r.Number(8));
  const auto program = r.Number(1);
  if (program > static_cast<std::uint64_t>(Program::Undo)) return std::nullopt;
  set.program = static_cast<Program>(program);
  const std::uint64_t count = r.Number(4);
  for (std::uint64_t i = 0; withChanges && i < count && !r.broken; ++i) {
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
  if (r.broken || (withChanges && r.at != body.size())) return std::nullopt;
  return set;
}

}  // namespace

std::string EncodeChangeSet(const ChangeSet& set) {
  std::string body;
  PutNumber(body, set.id, 8);
  PutNumber(body, static_cast<std::uint64_t>(set.time), 8);
  PutNumber(body, static_cast<std::uint64_t>(set.program), 1);
  PutNumber(body, set.changes.size(), 4);
  for (const FieldChange& change : set.changes) {
    PutNumber(body, static_cast<std::uint64_t>(change.record), 4);
    PutNumber(body, static_cast<std::uint64_t>(change.field), 1);
    PutNumber(body, change.oldBytes.size(), 2);
    PutNumber(body, change.newBytes.size(), 2);
    body += change.oldBytes;
    body += change.newBytes;
  }
  std::string out(kMagic);
  PutNumber(out, body.size(), 4);
  out += body;
  PutNumber(out, Checksum(out), 4);
  return out;
}

DecodedHistory DecodeHistory(std::string_view bytes, bool withChanges) {
  DecodedHistory decoded;
  std::size_t at = 0;
  while (bytes.size() - at >= kFrame + kChecksum && bytes.substr(at, kMagic.size()) == kMagic) {
    Reader frame{bytes, at + kMagic.size()};
    const std::uint64_t length = frame.Number(4);
    if (bytes.size() - frame.at < length + kChecksum) break;
    const std::string_view whole = bytes.substr(at, kFrame + length);
    Reader tail{bytes, at + whole.size()};
    if (tail.Number(4) != Checksum(whole)) break;
    auto set = DecodeBody(whole.substr(kFrame), withChanges);
    if (!set) break;
    at = tail.at;
    decoded.extents.push_back({at, set->time});
    decoded.sets.push_back(std::move(*set));
  }
  decoded.validLength = at;
  return decoded;
}

}  // namespace korvale::history
