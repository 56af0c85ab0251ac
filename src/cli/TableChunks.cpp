#include "TableChunks.h"

#include <cstring>

namespace korvale::cli {
namespace {

// Where a UTF-8 sequence that the bytes end inside begins, or `size`.
std::size_t UnfinishedFrom(const char* bytes, std::size_t size) {
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[size - back]);
    if (byte < 0x80) return size;
    if (byte >= 0xC0) {
      const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
      return length > back ? size - back : size;
    }
  }
  return size;
}

}  // namespace

TableChunks::TableChunks(std::istream& in)
    : source_(in.rdbuf()), buffer_(std::make_unique<char[]>(kPiece)) {}

std::string_view TableChunks::Next() {
  if (source_ == nullptr) return {};
  char* const start = buffer_.get();
  std::memmove(start, start + keptAt_, kept_);
  std::size_t size = kept_;
  std::size_t cut = 0;
  while (cut == 0) {
    const std::streamsize read =
        source_->sgetn(start + size, static_cast<std::streamsize>(kPiece - size));
    if (read <= 0) {  // the end: whatever was held back goes as it is
      kept_ = 0;
      return {start, size};
    }
    size += static_cast<std::size_t>(read);
    cut = UnfinishedFrom(start, size);
  }
  keptAt_ = cut;
  kept_ = size - cut;
  return {start, cut};
}

}  // namespace korvale::cli
