#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvale {

// The number layout of the player file's header and of the files Korvale
// writes beside a roster (the journal, the change history): little-endian,
// 1 to 8 bytes.

// Lays `value` out at `at` in `bytes` bytes; returns the end.
inline char* PutLittleEndian(char* at, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) *at++ = static_cast<char>((value >> (8 * i)) & 0xFF);
  return at;
}

// The `bytes`-byte number at `at`, which must lie within `from`.
inline std::uint64_t ReadLittleEndian(std::string_view from, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(from[at + static_cast<std::size_t>(i)])}
             << (8 * i);
  }
  return value;
}

// Reads numbers and byte runs in order; an overrun marks it broken and
// reads as 0 or empty from then on.
struct LittleEndianReader {
  std::string_view bytes;
  std::size_t at = 0;
  bool broken = false;

  std::uint64_t Number(int n) {
    if (bytes.size() - at < static_cast<std::size_t>(n)) return Break();
    const std::uint64_t value = ReadLittleEndian(bytes, at, n);
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

}  // namespace korvale
