#pragma once

#include <optional>
#include <string>

#include "Shown.h"
#include "TableInput.h"

namespace korvale::cli {

// A cell taken as a value of a field: no value and no problem means "no
// change".
struct Taken {
  std::optional<Shown> value;
  std::string problem;
};

// Reads a cell as the field's value. Flags take true/false in any case,
// 1/0 and the words spreadsheets write in six languages; list fields take
// the code or the entry text; texts from a spreadsheet table (`fromCsv`)
// lose one apostrophe before a leading = + - @.
[[nodiscard]] Taken TakeCell(const FieldDescriptor& field, const Cell& cell, bool fromCsv);
// The Record cell: a record number, or why not.
[[nodiscard]] Taken TakeRecordNumber(const Cell& cell);
// "low..high" for a field whose values have bounds, else empty.
[[nodiscard]] std::string AllowedRange(const FieldDescriptor& field);
// Why a whole number is refused by its field, if it is.
[[nodiscard]] std::string NumberProblem(const FieldDescriptor& field, std::int64_t number);

}  // namespace korvale::cli
