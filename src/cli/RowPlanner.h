#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "ImportPlan.h"

namespace korvale::cli {

// The cells of a row in field order; null where the row has no column.
using FieldCells = std::array<const Cell*, kFieldCount>;

// Validates and plans one row against its record. A written field can
// overlap others (PlayerPkg holds the appearance codes), so every value is
// compared with the record as the changes planned before it leave it.
class RowPlanner {
 public:
  RowPlanner(const std::string& where, const RecordSpan& record, std::uint64_t fileLength,
             bool fromCsv, ImportPlan& plan);

  void Plan(const FieldCells& cells);

 private:
  [[nodiscard]] RecordSpan Now() const { return {record_.index, bytes_}; }
  // Whether the field shows as it did before this row's changes: none of
  // them lies within the bytes it is read from.
  [[nodiscard]] bool Untouched(const FieldDescriptor& field) const;
  void Fail(const FieldDescriptor& field, std::string message);
  void PlanField(const FieldDescriptor& field, const Cell& cell);
  [[nodiscard]] std::string Refusal(const FieldDescriptor& field, const Shown& before,
                                    const Shown& after) const;
  void Record(const FieldDescriptor& field, const Shown& before, const Shown& after);

  const std::string& where_;
  const RecordSpan& record_;
  std::string bytes_;  // the record with the changes planned so far
  std::uint64_t fileLength_;
  bool fromCsv_;
  std::size_t changedBegin_ =
      std::numeric_limits<std::size_t>::max();  // the bytes [begin, end) hold this row's changes
  std::size_t changedEnd_ = 0;
  ImportPlan& plan_;
  std::int64_t playerId_ = 0;
};

}  // namespace korvale::cli
