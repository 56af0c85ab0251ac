#include <csv.h>

#include "CsvSplitter.h"

namespace korvale::cli {
namespace {

class LibcsvSplitter final : public CsvSplitter {
 public:
  LibcsvSplitter(CsvSink& sink, char delimiter) : sink_(sink) {
    csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
    // Blanks belong to the cell (RFC 4180): nothing is trimmed.
    csv_set_space_func(&parser_, [](unsigned char) { return 0; });
  }
  ~LibcsvSplitter() override { csv_free(&parser_); }
  LibcsvSplitter(const LibcsvSplitter&) = delete;
  LibcsvSplitter& operator=(const LibcsvSplitter&) = delete;

  bool Feed(std::string_view piece) override {
    return csv_parse(&parser_, piece.data(), piece.size(), OnField, OnRow, &sink_) == piece.size();
  }

  bool Finish() override { return csv_fini(&parser_, OnField, OnRow, &sink_) == 0; }

  [[nodiscard]] std::string Error() const override {
    return csv_strerror(csv_error(const_cast<csv_parser*>(&parser_)));
  }

 private:
  static void OnField(void* bytes, std::size_t size, void* sink) {
    static_cast<CsvSink*>(sink)->Field({static_cast<const char*>(bytes), size});
  }
  static void OnRow(int, void* sink) { static_cast<CsvSink*>(sink)->EndRow(); }

  CsvSink& sink_;
  csv_parser parser_{};
};

}  // namespace

std::unique_ptr<CsvSplitter> MakeCsvSplitter(CsvSink& sink, char delimiter) {
  return std::make_unique<LibcsvSplitter>(sink, delimiter);
}

}  // namespace korvale::cli
