#include "SpanBytes.h"

namespace korvale {

SpanBytes& SpanBytes::operator=(SpanBytes&& other) noexcept {
  if (this != &other) {
    Release();
    size_ = other.size_;
    std::memcpy(store_, other.store_, sizeof store_);
    other.size_ = 0;
  }
  return *this;
}

char* SpanBytes::Heap() const {
  char* heap = nullptr;
  std::memcpy(&heap, store_, sizeof heap);
  return heap;
}

// The new bytes are laid out before the old are let go: `bytes` may lie
// within them.
void SpanBytes::Replace(std::string_view bytes) {
  char kept[kInPlace];
  char* heap = nullptr;
  if (bytes.size() <= kInPlace) {
    std::memcpy(kept, bytes.data(), bytes.size());
  } else {
    heap = new char[bytes.size()];
    std::memcpy(heap, bytes.data(), bytes.size());
  }
  Release();
  size_ = static_cast<std::uint32_t>(bytes.size());
  if (heap == nullptr) {
    std::memcpy(store_, kept, bytes.size());
  } else {
    std::memcpy(store_, &heap, sizeof heap);
  }
}

}  // namespace korvale
