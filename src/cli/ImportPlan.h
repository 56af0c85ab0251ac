#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "RecordSource.h"
#include "RollbackJournal.h"
#include "Shown.h"
#include "TableInput.h"

namespace korvale::cli {

// The shown values of one planned change, kept for --verbose.
struct VerboseChange {
  std::int64_t record = 0;
  std::int64_t playerId = 0;
  FieldId field{};
  Shown before;
  Shown after;
};
[[nodiscard]] std::string DescribeChange(const VerboseChange& change);

struct ImportPlan {
  // The writes in file order (PlayerPkg before its codes), each with the
  // bytes the roster holds and those that replace them.
  std::vector<Span> spans;
  bool keepsShown = false;
  std::vector<VerboseChange> shown;  // one per span when keepsShown
  std::vector<Problem> problems;
  std::vector<std::string> ignoredColumns;  // derived values, never imported
  [[nodiscard]] std::size_t RecordsChanged() const;
};

// Reads the table a row at a time, validates each row against the file and
// works out every change; nothing is written. Memory grows with the
// changes and problems, never with the table.
// `keepShown` keeps the shown values before and after of every change.
[[nodiscard]] ImportPlan PlanImport(std::istream& in, const TableOptions& options,
                                    RecordSource& source, bool keepShown = false);

}  // namespace korvale::cli
