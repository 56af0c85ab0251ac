#pragma once

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

#include "RecordSource.h"
#include "Shown.h"
#include "TableInput.h"

namespace korvale::cli {

// One field to write: the shown value before and after, and the bytes
// that go to the file.
struct Change {
  std::int64_t record = 0;
  std::int64_t playerId = 0;
  FieldId field{};
  Shown before;
  Shown after;
  std::string stored;
};
[[nodiscard]] std::string DescribeChange(const Change& change);

struct ImportPlan {
  // A deque grows without moving what it holds: a plan of many changes
  // never holds two copies of them.
  std::deque<Change> changes;  // in file order, PlayerPkg before its codes
  std::vector<Problem> problems;
  std::vector<std::string> ignoredColumns;  // derived values, never imported
  [[nodiscard]] std::size_t RecordsChanged() const;
};

// Reads the table a row at a time, validates each row against the file and
// works out every change; nothing is written. Memory grows with the
// changes and problems, never with the table.
[[nodiscard]] ImportPlan PlanImport(std::istream& in, const TableOptions& options,
                                    RecordSource& source);

}  // namespace korvale::cli
