#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "ProblemReport.h"
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
  // The writes in file order, each with the bytes the roster holds and
  // those that replace them. PlayerPkg holds the appearance codes: one
  // write covers both when the package changes.
  std::vector<Span> spans;
  // The fields whose stored bytes the writes change (a code and PlayerPkg
  // both, when a code changes), and with keepsShown each one's shown
  // values before and after, in file order.
  std::size_t fieldsChanged = 0;
  bool keepsShown = false;
  std::vector<VerboseChange> shown;
  std::uint64_t problems = 0;
  // Why the table could not be read to its end (a read error, no memory):
  // then nothing may be written, whatever was planned.
  std::string unreadable;
  std::vector<std::string> ignoredColumns;  // derived values, never imported
  [[nodiscard]] std::size_t RecordsChanged() const;
};

// Reads the table a row at a time, validates each row against the file and
// works out every change; nothing is written. Each problem goes to
// `problems` as it is found. Memory grows with the changes, never with the
// table or its problems: once a problem is found no more changes are kept.
// `keepShown` keeps the shown values before and after of every change.
[[nodiscard]] ImportPlan PlanImport(std::istream& in, const TableOptions& options,
                                    RecordSource& source, ProblemReport& problems,
                                    bool keepShown = false);

}  // namespace korvale::cli
