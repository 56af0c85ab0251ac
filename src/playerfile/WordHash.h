#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvale {

// The checksum of the files Korvale writes beside a roster (the journal,
// the change history's frames): FNV-1a over little-endian 8-byte words,
// each product folded, then the bytes left over; fed in pieces. A word at
// a time, it costs an eighth of a byte-wise hash.
class WordHash {
 public:
  void Add(std::string_view bytes);
  [[nodiscard]] std::uint32_t Value() const;

 private:
  std::uint64_t hash_ = 14695981039346656037ULL;
  std::string pending_;  // fewer than 8 bytes
};

// The WordHash of the bytes, fed at once.
[[nodiscard]] std::uint32_t WordChecksum(std::string_view bytes);

}  // namespace korvale
