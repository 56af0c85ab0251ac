#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvale {

// The dBase III table header of a player file as the game ships it: 116
// character columns that together describe every byte of the 614-byte
// record after its deletion flag. The editor itself never reads it; files
// the project writes carry it so that generic dBase readers can read them.
inline constexpr std::uint32_t kDbaseHeaderLength = 3745;
inline constexpr std::size_t kDbaseColumnCount = 116;

struct DbaseColumn {
  std::string name;     // at most 10 characters, unique
  std::uint16_t start;  // offset inside the record (the deletion flag is 0)
  std::uint16_t length;
};

// The columns in record order.
[[nodiscard]] const std::vector<DbaseColumn>& DbaseColumns();

// The header for a table of this many records, terminator included.
[[nodiscard]] std::string DbaseHeader(std::uint32_t recordCount);

// A record of all spaces: deletion flag and every column blank.
[[nodiscard]] std::string BlankRecord();

}  // namespace korvale
