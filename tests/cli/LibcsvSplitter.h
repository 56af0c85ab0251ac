#pragma once

#include <csv.h>

#include <string>
#include <string_view>

#include "CsvSplitter.h"

namespace korvale::cli {

// libcsv in strict mode with no blank trimming, behind CsvSplitter's
// calls: the reference the splitter is held to.
class LibcsvSplitter {
 public:
  explicit LibcsvSplitter(CsvSink& sink, char delimiter = ',');
  ~LibcsvSplitter() { csv_free(&parser_); }
  LibcsvSplitter(const LibcsvSplitter&) = delete;
  LibcsvSplitter& operator=(const LibcsvSplitter&) = delete;

  bool Feed(std::string_view piece);
  bool Finish() { return Judge(csv_fini(&parser_, OnField, OnRow, this) == 0); }
  [[nodiscard]] CsvFailure Failure() const { return failure_; }
  [[nodiscard]] std::string Error() const {
    return csv_strerror(csv_error(const_cast<csv_parser*>(&parser_)));
  }

 private:
  static void OnField(void* bytes, std::size_t size, void* self);
  static void OnRow(int, void* self);
  bool Judge(bool whole);

  CsvSink& sink_;
  csv_parser parser_{};
  CsvFailure failure_ = CsvFailure::None;
};

}  // namespace korvale::cli
