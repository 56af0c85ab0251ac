#include "ChangeSetWriter.h"

#include <algorithm>

#include "ChangeSetCodec.h"
#include "LittleEndian.h"

namespace korvale::history {
namespace {

constexpr std::size_t kLengthAt = kSetMagic.size();
constexpr std::size_t kBodyAt = kLengthAt + 4;
constexpr std::size_t kCountAt = kBodyAt + 8 + 8 + 1;
constexpr std::size_t kChangeHead = 4 + 1 + 2 + 2;  // record, field, both sizes

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
  out.resize(out.size() + static_cast<std::size_t>(bytes));
  PutLittleEndian(out.data() + out.size() - bytes, value, bytes);
}

void SetNumber(std::string& out, std::size_t at, std::uint64_t value, int bytes) {
  PutLittleEndian(out.data() + at, value, bytes);
}

}  // namespace

ChangeSetWriter::ChangeSetWriter(std::uint64_t id, std::int64_t time, Program program,
                                 std::size_t reserve) {
  out_.reserve(kCountAt + 8 + reserve);
  out_ += kSetMagic;
  PutNumber(out_, 0, 4);  // the body's length, set by Finish
  PutNumber(out_, id, 8);
  PutNumber(out_, static_cast<std::uint64_t>(time), 8);
  PutNumber(out_, static_cast<std::uint64_t>(program), 1);
  PutNumber(out_, 0, 4);  // the count, set by Finish
}

void ChangeSetWriter::Add(std::int64_t record, FieldId field, std::string_view oldBytes,
                          std::string_view newBytes) {
  const std::size_t at = out_.size();
  out_.resize(at + kChangeHead + oldBytes.size() + newBytes.size());
  char* put = out_.data() + at;
  const auto number = [&put](std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) *put++ = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  number(static_cast<std::uint64_t>(record), 4);
  number(static_cast<std::uint64_t>(field), 1);
  number(oldBytes.size(), 2);
  number(newBytes.size(), 2);
  put = std::copy(oldBytes.begin(), oldBytes.end(), put);
  std::copy(newBytes.begin(), newBytes.end(), put);
  ++count_;
}

void ChangeSetWriter::AddPlayer(const PlayerBefore& player) {
  PutNumber(players_, static_cast<std::uint64_t>(player.record), 4);
  for (const FieldId field : kIdentityFields) {
    std::string bytes = IdentityBytes(player, field);
    bytes.resize(Field(field).readWidth, ' ');
    players_ += bytes;
  }
  ++playerCount_;
}

std::string ChangeSetWriter::Finish() && {
  PutNumber(out_, playerCount_, 4);
  out_ += players_;
  SetNumber(out_, kLengthAt, out_.size() - kBodyAt, 4);
  SetNumber(out_, kCountAt, count_, 4);
  PutNumber(out_, SetChecksum(out_), 4);
  return std::move(out_);
}

}  // namespace korvale::history
