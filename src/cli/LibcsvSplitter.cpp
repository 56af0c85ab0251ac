#include <csv.h>

#include <cstdlib>

#include "CsvSplitter.h"

namespace korvale::cli {
namespace {

// libcsv grows its field buffer through this: it stops a field a byte or
// two past the bound (a quoted field holds its closing quote for a while),
// as a failed allocation.
constexpr std::size_t kMostHeld = kLongestCell + 2;

void* BoundedRealloc(void* bytes, std::size_t size) {
  return size > kMostHeld ? nullptr : std::realloc(bytes, size);
}

class LibcsvSplitter final : public CsvSplitter {
 public:
  LibcsvSplitter(CsvSink& sink, char delimiter) : sink_(sink) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
    // Blanks belong to the cell (RFC 4180): nothing is trimmed.
    csv_set_space_func(&parser_, [](unsigned char) { return 0; });
    csv_set_realloc_func(&parser_, &BoundedRealloc);
  }
  ~LibcsvSplitter() override { csv_free(&parser_); }
  LibcsvSplitter(const LibcsvSplitter&) = delete;
  LibcsvSplitter& operator=(const LibcsvSplitter&) = delete;

  bool Feed(std::string_view piece) override {
    const bool whole =
        csv_parse(&parser_, piece.data(), piece.size(), OnField, OnRow, this) == piece.size();
    return Judge(whole);
  }

  bool Finish() override { return Judge(csv_fini(&parser_, OnField, OnRow, this) == 0); }

  [[nodiscard]] CsvFailure Failure() const override { return failure_; }

  [[nodiscard]] std::string Error() const override {
    return csv_strerror(csv_error(const_cast<csv_parser*>(&parser_)));
  }

 private:
  // A field just past the bound gets through libcsv's buffer: it stops
  // here, and nothing after it is handed on.
  static void OnField(void* bytes, std::size_t size, void* self) {
    auto& splitter = *static_cast<LibcsvSplitter*>(self);
    if (splitter.failure_ != CsvFailure::None) return;
    if (size > kLongestCell) {
      splitter.failure_ = CsvFailure::CellTooLong;
      return;
    }
    splitter.sink_.Field({static_cast<const char*>(bytes), size});
  }
  static void OnRow(int, void* self) {
    auto& splitter = *static_cast<LibcsvSplitter*>(self);
    if (splitter.failure_ == CsvFailure::None) splitter.sink_.EndRow();
  }

  bool Judge(bool whole) {
    if (failure_ != CsvFailure::None) return false;
    if (whole) return true;
    if (csv_error(&parser_) != CSV_ENOMEM) {
      failure_ = CsvFailure::Format;
    } else {
      failure_ = csv_get_buffer_size(&parser_) >= kMostHeld ? CsvFailure::CellTooLong
                                                            : CsvFailure::OutOfMemory;
    }
    return false;
  }

  CsvSink& sink_;
  csv_parser parser_{};
  CsvFailure failure_ = CsvFailure::None;
};

}  // namespace

std::unique_ptr<CsvSplitter> MakeCsvSplitter(CsvSink& sink, char delimiter) {
  return std::make_unique<LibcsvSplitter>(sink, delimiter);
}

}  // namespace korvale::cli
