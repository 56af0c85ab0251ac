#pragma once

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
};

// Cuts CSV text into fields and rows, a piece at a time, strictly after
// RFC 4180 with a delimiter of choice (a comma, a semicolon, a tab): a quote
// inside an unquoted field, anything but the delimiter or a line end after a closing quote, or a
// quote still open at the end is an error. Blanks belong to the cell; empty lines are skipped; CR,
// LF and CR LF end a row; line ends inside quotes belong to the cell. A field longer than
// kLongestCell bytes stops the splitter as soon as it is met and is never handed on.
class CsvSplitter {
 public:
  explicit CsvSplitter(CsvSink& sink, char delimiter = ',') : sink_(sink), delimiter_(delimiter) {}

  // False when the piece breaks the format or a field is too long; nothing
  // more is read then.
  bool Feed(std::string_view piece);
  // Delivers a last row that has no line end. False when a quote is open.
  bool Finish();
  [[nodiscard]] CsvFailure Failure() const { return failure_; }
  // Why Feed or Finish failed.
  [[nodiscard]] static std::string Error();

 private:
  enum class State { BeforeRow, BeforeField, InField, AfterQuote };

  bool Fail(CsvFailure failure);
  bool Step(char c);
  bool Begin(char c);
  bool Continue(char c);
  bool AfterQuote(char c);
  void EndField(bool endsRow);

  CsvSink& sink_;
  char delimiter_;
  State state_ = State::BeforeRow;
  bool quoted_ = false;
  std::string field_;
  CsvFailure failure_ = CsvFailure::None;
};

}  // namespace korvale::cli
