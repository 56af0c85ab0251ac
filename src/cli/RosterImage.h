#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "PlayerFileState.h"
#include "Shown.h"

namespace korvale::cli {

// A whole roster's bytes in memory, to be changed there and shown as
// `show` shows its fields: how the roster stood before or after changes
// without writing any of them.
class RosterImage {
 public:
  explicit RosterImage(std::string bytes) : bytes_(std::move(bytes)) {}
  [[nodiscard]] static RosterImage Read(PlayerFileState& file);

  // Up to n bytes at the offset; fewer at the end.
  [[nodiscard]] std::string Bytes(std::uint64_t offset, std::size_t n) const;
  // Puts the bytes at the offset; what would lie past the end is dropped.
  void Put(std::uint64_t offset, std::string_view bytes);

  // The record's bytes (fewer at the end of the file, none past it).
  [[nodiscard]] RecordSpan Record(std::int64_t record) const;
  // "LastName, FirstName" as the record holds them.
  [[nodiscard]] std::string Player(std::int64_t record) const;
  // The field's value as `show` prints it.
  [[nodiscard]] std::string Text(std::int64_t record, FieldId field) const;

 private:
  std::string bytes_;
};

}  // namespace korvale::cli
