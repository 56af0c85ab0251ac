#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "TableFormat.h"

namespace korvale::cli {

// Receives the fields and row ends that a CsvSplitter finds.
class CsvSink {
 public:
  virtual ~CsvSink() = default;
  virtual void Field(std::string_view bytes) = 0;
  virtual void EndRow() = 0;
};

// Why a splitter stopped.
enum class CsvFailure {
  None,
  Format,       // the text breaks the format: Error() says how
  CellTooLong,  // a field grew past kLongestCell bytes
  OutOfMemory,
};

// Cuts CSV text into fields and rows, a piece at a time, strictly after
// RFC 4180 with a delimiter of choice (a comma, a semicolon, a tab): a quote
// inside an unquoted field, anything but the delimiter or a line end after a closing quote, or a
// quote still open at the end is an error. Blanks belong to the cell; empty lines are skipped; CR,
// LF and CR LF end a row; line ends inside quotes belong to the cell. A field longer than
// kLongestCell bytes stops the splitter as soon as it is met, held no further than a byte or two
// past the bound and never handed on.
class CsvSplitter {
 public:
  virtual ~CsvSplitter() = default;
  // False when the piece breaks the format or a field is too long; nothing
  // more is read then.
  virtual bool Feed(std::string_view piece) = 0;
  // Delivers a last row that has no line end. False when a quote is open.
  virtual bool Finish() = 0;
  [[nodiscard]] virtual CsvFailure Failure() const = 0;
  // Why Feed or Finish failed.
  [[nodiscard]] virtual std::string Error() const = 0;
};

// libcsv where the platform has it, else the built-in splitter.
[[nodiscard]] std::unique_ptr<CsvSplitter> MakeCsvSplitter(CsvSink& sink, char delimiter = ',');
// The built-in splitter, on every platform.
[[nodiscard]] std::unique_ptr<CsvSplitter> MakeBuiltInCsvSplitter(CsvSink& sink,
                                                                  char delimiter = ',');

}  // namespace korvale::cli
