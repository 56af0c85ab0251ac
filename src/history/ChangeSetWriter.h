#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ChangeSet.h"

namespace korvale::history {

// Lays out one change set's bytes as the history file holds them, a field
// change at a time, without keeping the changes themselves.
class ChangeSetWriter {
 public:
  // Room is made up front for `changeBytes` of changes and `playerBytes`
  // of players: a set that fits grows no buffer.
  ChangeSetWriter(std::uint64_t id, std::int64_t time, Program program, std::size_t changeBytes = 0,
                  std::size_t playerBytes = 0);

  void Add(std::int64_t record, FieldId field, std::string_view oldBytes,
           std::string_view newBytes);
  [[nodiscard]] std::uint32_t Count() const { return count_; }
  // Who a record the set touches was.
  void AddPlayer(const PlayerBefore& player);

  // The whole set: frame, body and checksum.
  [[nodiscard]] std::string Finish() &&;

 private:
  // The next n bytes of out_ to fill, which grows to hold them.
  char* Room(std::size_t n);
  void Put(std::uint64_t value, int bytes);

  std::string out_;  // filled up to used_
  std::size_t used_ = 0;
  std::uint32_t count_ = 0;
  std::string players_;
  std::uint32_t playerCount_ = 0;
};

}  // namespace korvale::history
