#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace korvale {

// Copies `bytes` to `to` (which may overlap them) and returns the end. A
// write to a roster is mostly two or three bytes: copied as a few fixed
// moves they cost less than a call to memmove, and there are hundreds of
// thousands of them in a large import.
inline char* CopySmall(char* to, std::string_view bytes) {
  const char* from = bytes.data();
  const std::size_t n = bytes.size();
  if (n > 16) {
    std::memmove(to, from, n);
  } else if (n >= 8) {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head = 0;
    std::uint32_t tail = 0;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n > 0) {
    const char first = from[0];
    const char middle = from[n / 2];
    const char last = from[n - 1];
    to[0] = first;
    to[n / 2] = middle;
    to[n - 1] = last;
  }
  return to + n;
}

}  // namespace korvale
