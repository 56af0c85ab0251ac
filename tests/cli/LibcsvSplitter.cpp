#include "LibcsvSplitter.h"

#include <cstdlib>
#include <new>

namespace korvale::cli {
namespace {

// libcsv grows its field buffer through this: it stops a field a byte or
// two past the bound (a quoted field holds its closing quote for a while),
// as a failed allocation.
constexpr std::size_t kMostHeld = kLongestCell + 2;

void* BoundedRealloc(void* bytes, std::size_t size) {
  return size > kMostHeld ? nullptr : std::realloc(bytes, size);
}

}  // namespace

LibcsvSplitter::LibcsvSplitter(CsvSink& sink, char delimiter) : sink_(sink) {
  csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
  csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
  csv_set_space_func(&parser_, [](unsigned char) { return 0; });
  csv_set_realloc_func(&parser_, &BoundedRealloc);
}

bool LibcsvSplitter::Feed(std::string_view piece) {
  return Judge(csv_parse(&parser_, piece.data(), piece.size(), OnField, OnRow, this) ==
               piece.size());
}

// A field just past the bound gets through libcsv's buffer: it stops here,
// and nothing after it is handed on.
void LibcsvSplitter::OnField(void* bytes, std::size_t size, void* self) {
  auto& splitter = *static_cast<LibcsvSplitter*>(self);
  if (splitter.failure_ != CsvFailure::None) return;
  if (size > kLongestCell) {
    splitter.failure_ = CsvFailure::CellTooLong;
    return;
  }
  splitter.sink_.Field({static_cast<const char*>(bytes), size});
}

void LibcsvSplitter::OnRow(int, void* self) {
  auto& splitter = *static_cast<LibcsvSplitter*>(self);
  if (splitter.failure_ == CsvFailure::None) splitter.sink_.EndRow();
}

bool LibcsvSplitter::Judge(bool whole) {
  if (failure_ != CsvFailure::None) return false;
  if (whole) return true;
  if (csv_error(&parser_) != CSV_ENOMEM) {
    failure_ = CsvFailure::Format;
    return false;
  }
  if (csv_get_buffer_size(&parser_) < kMostHeld) throw std::bad_alloc();
  failure_ = CsvFailure::CellTooLong;
  return false;
}

}  // namespace korvale::cli
