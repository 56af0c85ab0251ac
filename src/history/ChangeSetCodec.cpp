#include "ChangeSetCodec.h"

#include <algorithm>
#include <set>
#include <vector>

#include "ChangeSetWriter.h"
#include "LittleEndian.h"
#include "WordHash.h"

namespace korvale::history {
namespace {

constexpr std::size_t kChangeFrame = 4 + 1 + 2 + 2;  // record, field, both sizes
// A player: its record and its identity fields.
const std::size_t kPlayerFrame = [] {
  std::size_t size = 4;
  for (const FieldId field : kIdentityFields) size += Field(field).readWidth;
  return size;
}();

bool ReadChanges(LittleEndianReader& r, ChangeSet& set) {
  const std::uint64_t count = r.Number(4);
  for (std::uint64_t i = 0; i < count && !r.broken; ++i) {
    FieldChange change;
    change.record = static_cast<std::int64_t>(r.Number(4));
    const std::uint64_t field = r.Number(1);
    if (field >= kFieldCount) return false;
    change.field = static_cast<FieldId>(field);
    const std::uint64_t oldSize = r.Number(2);
    const std::uint64_t newSize = r.Number(2);
    change.oldBytes = r.Bytes(oldSize);
    change.newBytes = r.Bytes(newSize);
    set.changes.push_back(std::move(change));
  }
  return !r.broken;
}

void ReadPlayers(LittleEndianReader& r, ChangeSet& set) {
  const std::uint64_t count = r.Number(4);
  for (std::uint64_t i = 0; i < count && !r.broken; ++i) {
    PlayerBefore player;
    player.record = static_cast<std::int64_t>(r.Number(4));
    for (const FieldId field : kIdentityFields) {
      IdentityBytes(player, field) = r.Bytes(Field(field).readWidth);
    }
    set.players.push_back(std::move(player));
  }
}

std::optional<ChangeSet> DecodeBody(std::string_view body, bool knowsPlayers) {
  LittleEndianReader r{body};
  ChangeSet set;
  set.knowsPlayers = knowsPlayers;
  set.id = r.Number(8);
  set.time = static_cast<std::int64_t>(r.Number(8));
  const auto program = r.Number(1);
  if (program > static_cast<std::uint64_t>(Program::Apply)) return std::nullopt;
  set.program = static_cast<Program>(program);
  if (!ReadChanges(r, set)) return std::nullopt;
  if (knowsPlayers) ReadPlayers(r, set);
  if (r.broken || r.at != body.size()) return std::nullopt;
  return set;
}

// The frame's body, when the frame is one of `magic` with the length it
// says.
std::optional<std::string_view> Body(std::string_view frame, std::string_view magic) {
  if (frame.size() < kFrameHead + kChecksumSize || frame.substr(0, magic.size()) != magic) {
    return std::nullopt;
  }
  LittleEndianReader head{frame, magic.size()};
  const std::uint64_t length = head.Number(4);
  if (length != frame.size() - kFrameHead - kChecksumSize) return std::nullopt;
  return frame.substr(kFrameHead, length);
}

// The records a change set has met so far: a bit each for those of any
// roster up to gigabytes, a tree for the rest.
class RecordsMet {
 public:
  // Whether the record is met for the first time.
  bool First(std::int64_t record) {
    const auto k = static_cast<std::uint64_t>(record);
    if (k >= kDense) return others_.insert(record).second;
    if (k >= dense_.size()) dense_.resize(std::max<std::size_t>(k + 1, 2 * dense_.size()));
    if (dense_[k]) return false;
    dense_[k] = true;
    return true;
  }

 private:
  static constexpr std::uint64_t kDense = std::uint64_t{1} << 24;
  std::vector<bool> dense_;
  std::set<std::int64_t> others_;
};

}  // namespace

std::uint32_t SetChecksum(std::string_view bytes) { return WordChecksum(bytes); }

std::string EncodeChangeSet(const ChangeSet& set) {
  ChangeSetWriter writer(set.id, set.time, set.program);
  for (const FieldChange& c : set.changes) writer.Add(c.record, c.field, c.oldBytes, c.newBytes);
  for (const PlayerBefore& player : set.players) writer.AddPlayer(player);
  return std::move(writer).Finish();
}

std::string EncodeSpanSet(std::uint64_t id, std::int64_t time, Program program,
                          const std::vector<Span>& spans, const RosterBytes& read) {
  // Room for every change and for a player each time the record changes.
  std::size_t changeBytes = 0;
  std::size_t playerBytes = 0;
  std::uint64_t record = UINT64_MAX;
  for (const Span& span : spans) {
    changeBytes += kChangeFrame + span.oldBytes.size() + span.newBytes.size();
    if (RecordAt(span.offset) != record) playerBytes += kPlayerFrame;
    record = RecordAt(span.offset);
  }
  ChangeSetWriter writer(id, time, program, changeBytes, playerBytes);
  RecordsMet met;
  for (const Span& span : spans) {
    if (span.oldBytes == span.newBytes) continue;
    if (const auto place = PlaceOfSpan(span)) {
      writer.Add(place->record, place->field, span.oldBytes, span.newBytes);
      if (met.First(place->record)) writer.AddPlayer(PlayerOf(place->record, read));
    }
  }
  return std::move(writer).Finish();
}

std::string EncodeState(std::uint64_t id, SetState state) {
  std::string out(kStateMagic);
  out.resize(kFrameHead + 9);
  char* at = PutLittleEndian(out.data() + kStateMagic.size(), 9, 4);
  at = PutLittleEndian(at, id, 8);
  PutLittleEndian(at, static_cast<std::uint64_t>(state), 1);
  out.resize(out.size() + kChecksumSize);
  PutLittleEndian(out.data() + out.size() - kChecksumSize,
                  SetChecksum(std::string_view(out).substr(0, out.size() - kChecksumSize)),
                  kChecksumSize);
  return out;
}

std::optional<ChangeSet> DecodeSet(std::string_view frame) {
  if (const auto body = Body(frame, kSetMagic)) return DecodeBody(*body, true);
  if (const auto body = Body(frame, kOldSetMagic)) return DecodeBody(*body, false);
  return std::nullopt;
}

std::optional<SetMark> DecodeState(std::string_view frame) {
  const auto body = Body(frame, kStateMagic);
  if (!body || body->size() != 9) return std::nullopt;
  LittleEndianReader r{*body};
  SetMark mark{r.Number(8), static_cast<SetState>(r.Number(1))};
  if (mark.state != SetState::Applied && mark.state != SetState::NotApplied) return std::nullopt;
  return mark;
}

}  // namespace korvale::history
