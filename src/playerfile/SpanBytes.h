#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "SmallCopy.h"

namespace korvale {

// The bytes of one side of a write to a roster: a few bytes kept in place
// (a rating, a code), more on the heap. At 16 bytes it is half a
// std::string: an import of every rating plans hundreds of thousands of
// writes, and the memory they take is first touched, page by page.
class SpanBytes {
 public:
  SpanBytes() = default;
  SpanBytes(std::string_view bytes) { Assign(bytes); }  // NOLINT(google-explicit-constructor)
  SpanBytes(const std::string& bytes)                   // NOLINT(google-explicit-constructor)
      : SpanBytes(std::string_view(bytes)) {}
  SpanBytes(const char* bytes) : SpanBytes(std::string_view(bytes)) {}  // NOLINT
  SpanBytes(const SpanBytes& other) : SpanBytes(other.View()) {}
  SpanBytes(SpanBytes&& other) noexcept : size_(other.size_) {
    std::memcpy(store_, other.store_, sizeof store_);
    other.size_ = 0;
  }
  SpanBytes& operator=(const SpanBytes& other) {
    if (this != &other) Assign(other.View());
    return *this;
  }
  SpanBytes& operator=(SpanBytes&& other) noexcept;
  ~SpanBytes() { Release(); }

  void assign(std::string_view bytes) { Assign(bytes); }
  void assign(std::string_view bytes, std::size_t at, std::size_t n) {
    Assign(bytes.substr(at, n));
  }

  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  [[nodiscard]] const char* data() const { return size_ <= kInPlace ? store_ : Heap(); }
  [[nodiscard]] const char* begin() const { return data(); }
  [[nodiscard]] const char* end() const { return data() + size_; }
  [[nodiscard]] std::string_view View() const { return {data(), size_}; }
  operator std::string_view() const { return View(); }  // NOLINT(google-explicit-constructor)

  friend bool operator==(const SpanBytes& a, const SpanBytes& b) { return a.View() == b.View(); }
  friend bool operator==(const SpanBytes& a, std::string_view b) { return a.View() == b; }
  friend bool operator==(const SpanBytes& a, const std::string& b) { return a.View() == b; }
  friend bool operator==(const SpanBytes& a, const char* b) { return a.View() == b; }

 private:
  static constexpr std::size_t kInPlace = 12;

  [[nodiscard]] char* Heap() const;
  // Small bytes over small bytes are laid in place at once.
  void Assign(std::string_view bytes) {
    if (bytes.size() <= kInPlace && size_ <= kInPlace) {
      CopySmall(store_, bytes);
      size_ = static_cast<std::uint32_t>(bytes.size());
    } else {
      Replace(bytes);
    }
  }
  void Replace(std::string_view bytes);
  void Release() {
    if (size_ > kInPlace) delete[] Heap();
    size_ = 0;
  }

  std::uint32_t size_ = 0;
  char store_[kInPlace] = {};  // the bytes, or where on the heap they are
};

}  // namespace korvale
