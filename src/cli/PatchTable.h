#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "Shown.h"
#include "TableExport.h"
#include "TableInput.h"

namespace korvale::cli {

// One changed field of a patch: who the player was in the roster the patch
// was made from, and the field's value before and after.
struct PatchRow {
  std::int64_t playerId = 0;
  std::string lastName;
  std::string firstName;
  std::int64_t record = 0;
  FieldId field{};
  Shown oldValue;
  Shown newValue;
};

// Adds a row for every field whose shown value differs between the two
// states of one record; `from` names the player.
void AddDifferences(const RecordSpan& from, const RecordSpan& to, std::vector<PatchRow>& rows);

// The patch as a CSV or JSON table: PlayerId, LastName, FirstName, Record,
// Field, Old, New, with the values as `export` writes them.
void WritePatch(const std::vector<PatchRow>& rows, std::ostream& out, const TableStyle& style);

// One row of a patch as read, its cells still to be taken as values.
struct PatchEntry {
  std::string where;  // the CSV line or the JSON element
  Cell playerId;
  Cell lastName;
  Cell firstName;
  Cell record;
  const FieldDescriptor* field = nullptr;
  Cell oldCell;
  Cell newCell;
};

struct PatchInput {
  std::vector<PatchEntry> entries;
  std::vector<Problem> problems;
};

// Reads a patch as `import` reads a table; a missing or unknown column and
// a field that does not exist are problems.
[[nodiscard]] PatchInput ReadPatch(std::istream& in, const TableOptions& options);

}  // namespace korvale::cli
