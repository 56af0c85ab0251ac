#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "TableFormat.h"

namespace korvale::cli {

// A value of another kind than a table cell can hold (a JSON array, a
// fraction...), described for the message; or a whole number beyond 64
// bits (`tooLarge`), kept as its digits.
struct Unusable {
  std::string what;
  bool tooLarge = false;
};

// One cell of an imported table: nothing (an empty CSV cell or a JSON
// null), a text, a whole number, a flag, or something unusable.
using Cell = std::variant<std::monostate, std::string, std::int64_t, bool, Unusable>;

// Where a problem lies: the CSV line or the JSON element number (from 1),
// and the column name or key ("" when it concerns no column).
struct Problem {
  std::string where;
  std::string column;
  std::string message;
};
// "line:column: message", shown through VisibleText: a column or key
// from the table can hold anything.
[[nodiscard]] std::string FormatProblem(const Problem& problem);

struct InputRow {
  std::string where;
  std::vector<std::pair<std::string, Cell>> cells;
};

enum class TableEncoding { Utf8, Windows1252 };

struct TableOptions {
  TableFormat format = TableFormat::Csv;
  char delimiter = 0;  // 0: the first comma, semicolon or tab of the header line
  TableEncoding encoding = TableEncoding::Utf8;
};

// Receives a table a row at a time, so that no table is ever held whole.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // The CSV header (its line is "1"); JSON elements name their own keys.
  virtual void Header(const std::vector<std::string>& columns) = 0;
  virtual void Row(const InputRow& row) = 0;
  virtual void Fault(Problem problem) = 0;
};

// Reads a CSV or JSON table from `in`, with or without a UTF-8 byte order
// mark. CSV rows whose cells are all empty are skipped; a line that is not
// UTF-8 (when UTF-8 is expected) is a fault that suggests Windows-1252.
// Memory stays within bounds whatever the table: a cell, key or value
// longer than kLongestCell, more than a thousand columns or keys, or JSON
// nested too deep is a fault that ends the reading. A failure to read or
// to allocate is raised (std::ios_base::failure, std::bad_alloc), never
// taken for the end of the table.
void ReadTable(std::istream& in, const TableOptions& options, RowSink& sink);

// Whether the whole stream is UTF-8, read once a piece at a time.
[[nodiscard]] bool IsUtf8Stream(std::istream& in);

}  // namespace korvale::cli
