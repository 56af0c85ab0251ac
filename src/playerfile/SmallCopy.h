#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace korvale {

// Copies n bytes, at least one Word and at most two, as the Word that
// starts them and the Word that ends them: both read before either is
// written, so `to` and `from` may overlap.
template <typename Word>
void CopyEnds(char* to, const char* from, std::size_t n) {
  Word head{};
  Word tail{};
  std::memcpy(&head, from, sizeof head);
  std::memcpy(&tail, from + n - sizeof tail, sizeof tail);
  std::memcpy(to, &head, sizeof head);
  std::memcpy(to + n - sizeof tail, &tail, sizeof tail);
}

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
    CopyEnds<std::uint64_t>(to, from, n);
  } else if (n >= 4) {
    CopyEnds<std::uint32_t>(to, from, n);
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
