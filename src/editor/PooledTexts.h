#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvale {

// Item `from` moves to place `to` among the others; those between shift
// by one.
template <typename T>
void MoveWithin(std::vector<T>& items, std::size_t from, std::size_t to) {
  const auto at = [&](std::size_t k) { return items.begin() + static_cast<std::ptrdiff_t>(k); };
  if (from < to) {
    std::rotate(at(from), at(from + 1), at(to + 1));
  } else {
    std::rotate(at(to), at(from), at(from + 1));
  }
}

// A list of texts kept in one buffer, each found by its place: two
// allocations for a list of any length, where a string each costs one
// allocation and its bookkeeping per text. Texts hold up to 4 GiB in all.
class PooledTexts {
 public:
  void Clear();
  void Reserve(std::size_t count, std::size_t bytes);
  void Append(std::string_view text);

  [[nodiscard]] std::size_t Size() const { return spans_.size(); }
  [[nodiscard]] std::string_view At(std::size_t index) const {
    const Span span = spans_[index];
    return std::string_view(bytes_).substr(span.offset, span.size);
  }
  // Text `from` takes `text` and moves to place `to` among the others
  // (`to` counts the texts without it).
  void Move(std::size_t from, std::size_t to, std::string_view text);

 private:
  struct Span {
    std::uint32_t offset;
    std::uint32_t size;
  };
  [[nodiscard]] Span Stored(std::string_view text);
  void Repack();

  std::string bytes_;
  std::vector<Span> spans_;
  std::size_t replaced_ = 0;  // bytes of texts no span names any more
};

}  // namespace korvale
