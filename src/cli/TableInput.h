#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace korvale::cli {

// A value of another kind than a table cell can hold (a JSON array, a
// fraction...), described for the message.
struct Unusable {
  std::string what;
};

// One cell of an imported table: nothing (an empty CSV cell or a JSON
// null), a text, a whole number, a flag, or something unusable.
using Cell = std::variant<std::monostate, std::string, std::int64_t, bool, Unusable>;

// Where a problem lies: the CSV line or the JSON element index, and the
// column name or key ("" when it concerns no column).
struct Problem {
  std::string where;
  std::string column;
  std::string message;
};
[[nodiscard]] std::string FormatProblem(const Problem& problem);

struct InputRow {
  std::string where;
  std::vector<std::pair<std::string, Cell>> cells;
};

struct InputTable {
  // The CSV header (its line is "1"); empty for JSON, whose elements name
  // their own keys.
  std::optional<std::vector<std::string>> header;
  std::vector<InputRow> rows;
  std::vector<Problem> problems;
};

[[nodiscard]] InputTable ReadCsvTable(std::string_view text);
[[nodiscard]] InputTable ReadJsonTable(std::string_view text);

}  // namespace korvale::cli
