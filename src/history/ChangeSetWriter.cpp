#include "ChangeSetWriter.h"

#include <algorithm>

#include "ChangeSetCodec.h"
#include "LittleEndian.h"
#include "SmallCopy.h"

namespace korvale::history {
namespace {

constexpr std::size_t kLengthAt = kSetMagic.size();
constexpr std::size_t kBodyAt = kLengthAt + 4;
constexpr std::size_t kCountAt = kBodyAt + 8 + 8 + 1;
constexpr std::size_t kChangeHead = 4 + 1 + 2 + 2;  // record, field, both sizes

void SetNumber(std::string& out, std::size_t at, std::uint64_t value, int bytes) {
  PutLittleEndian(out.data() + at, value, bytes);
}

}  // namespace

ChangeSetWriter::ChangeSetWriter(std::uint64_t id, std::int64_t time, Program program,
                                 std::size_t changeBytes, std::size_t playerBytes) {
  // the counts, the checksum
  out_.resize(kCountAt + 4 + 4 + kChecksumSize + changeBytes + playerBytes);
  players_.reserve(playerBytes);
  std::copy(kSetMagic.begin(), kSetMagic.end(), Room(kSetMagic.size()));
  Put(0, 4);  // the body's length, set by Finish
  Put(id, 8);
  Put(static_cast<std::uint64_t>(time), 8);
  Put(static_cast<std::uint64_t>(program), 1);
  Put(0, 4);  // the count, set by Finish
}

char* ChangeSetWriter::Room(std::size_t n) {
  if (out_.size() - used_ < n) out_.resize(std::max(2 * out_.size(), used_ + n));
  char* at = out_.data() + used_;
  used_ += n;
  return at;
}

void ChangeSetWriter::Put(std::uint64_t value, int bytes) {
  PutLittleEndian(Room(static_cast<std::size_t>(bytes)), value, bytes);
}

void ChangeSetWriter::Add(std::int64_t record, FieldId field, std::string_view oldBytes,
                          std::string_view newBytes) {
  char* put = Room(kChangeHead + oldBytes.size() + newBytes.size());
  put = PutLittleEndian(put, static_cast<std::uint64_t>(record), 4);
  put = PutLittleEndian(put, static_cast<std::uint64_t>(field), 1);
  put = PutLittleEndian(put, oldBytes.size(), 2);
  put = PutLittleEndian(put, newBytes.size(), 2);
  CopySmall(CopySmall(put, oldBytes), newBytes);
  ++count_;
}

void ChangeSetWriter::AddPlayer(const PlayerBefore& player) {
  players_.resize(players_.size() + 4);
  PutLittleEndian(players_.data() + players_.size() - 4, static_cast<std::uint64_t>(player.record),
                  4);
  for (const FieldId field : kIdentityFields) {
    const std::string& bytes = IdentityBytes(player, field);
    const std::size_t width = Field(field).readWidth;
    players_.append(bytes, 0, width).append(width - std::min(width, bytes.size()), ' ');
  }
  ++playerCount_;
}

std::string ChangeSetWriter::Finish() && {
  Put(playerCount_, 4);
  std::copy(players_.begin(), players_.end(), Room(players_.size()));
  SetNumber(out_, kLengthAt, used_ - kBodyAt, 4);
  SetNumber(out_, kCountAt, count_, 4);
  Put(SetChecksum(std::string_view(out_).substr(0, used_)), 4);
  out_.resize(used_);
  return std::move(out_);
}

}  // namespace korvale::history
