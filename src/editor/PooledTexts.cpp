#include "PooledTexts.h"

namespace korvale {

void PooledTexts::Clear() {
  std::string().swap(bytes_);
  std::vector<Span>().swap(spans_);
  replaced_ = 0;
}

void PooledTexts::Reserve(std::size_t count, std::size_t bytes) {
  spans_.reserve(count);
  bytes_.reserve(bytes);
}

PooledTexts::Span PooledTexts::Stored(std::string_view text) {
  const Span span{static_cast<std::uint32_t>(bytes_.size()),
                  static_cast<std::uint32_t>(text.size())};
  bytes_ += text;
  return span;
}

void PooledTexts::Append(std::string_view text) { spans_.push_back(Stored(text)); }

void PooledTexts::Move(std::size_t from, std::size_t to, std::string_view text) {
  replaced_ += spans_[from].size;
  const Span span = Stored(text);
  MoveWithin(spans_, from, to);
  spans_[to] = span;
  if (replaced_ > bytes_.size() / 2) Repack();
}

// Texts replaced by moves are dropped once they fill half the buffer.
void PooledTexts::Repack() {
  std::string bytes;
  bytes.reserve(bytes_.size() - replaced_);
  for (Span& span : spans_) {
    const std::string_view text = std::string_view(bytes_).substr(span.offset, span.size);
    span.offset = static_cast<std::uint32_t>(bytes.size());
    bytes += text;
  }
  bytes_ = std::move(bytes);
  replaced_ = 0;
}

}  // namespace korvale
