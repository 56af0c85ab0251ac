#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PatchTable.h"
#include "RollbackJournal.h"
#include "RosterImage.h"

namespace korvale::cli {

// How a patch row finds its player in the roster.
enum class PatchMatch { Id, Record, Name };

enum class FieldState { Applied, AlreadyApplied, Conflict };

// What one patch row meets in the roster.
struct FieldOutcome {
  std::int64_t record = 0;
  std::int64_t playerId = 0;  // the record's
  FieldId field{};
  Shown found;
  Shown oldValue;
  Shown newValue;
  FieldState state = FieldState::Applied;
  std::string where;  // the patch row
};
// "record 12 (id 1234) Height: 80 -> 81", "... Height: 81 already", or
// "... Height: 80 -> 81, but it holds 79".
[[nodiscard]] std::string DescribeOutcome(const FieldOutcome& outcome);

struct ApplyPlan {
  std::vector<FieldOutcome> outcomes;  // in the order of the patch
  std::vector<Span> spans;             // the writes, in file order
  std::vector<Problem> problems;
  [[nodiscard]] std::size_t Count(FieldState state) const;
};

struct ApplyRules {
  PatchMatch match = PatchMatch::Id;
  bool force = false;    // New is written over a conflict
  bool fromCsv = false;  // texts lose the apostrophe a spreadsheet table gives them
};

// Finds each row's player, compares the field with Old and New, and plans
// the writes of New with the checks of `import`; nothing is written. A key
// that names no player or more than one is a problem, and no field is
// planned then.
[[nodiscard]] ApplyPlan PlanApply(const PatchInput& patch, const RosterImage& roster,
                                  std::int64_t records, std::uint64_t fileLength,
                                  const ApplyRules& rules);

}  // namespace korvale::cli
