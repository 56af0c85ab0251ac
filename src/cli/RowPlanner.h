#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "ImportPlan.h"

namespace korvale::cli {

// The cells of a row in field order; null where the row has no column.
using FieldCells = std::array<const Cell*, kFieldCount>;

// Validates and plans one row against its record. A cell that shows what
// the file holds changes nothing. PlayerPkg holds the appearance codes:
// when a row changes both, they must give the same bytes, and they are
// written once. What is planned, and said, is worked out from the bytes:
// every field whose stored bytes change, and no other.
class RowPlanner {
 public:
  RowPlanner(const std::string& where, const RecordSpan& record, std::uint64_t fileLength,
             bool fromCsv, ImportPlan& plan, ProblemReport& problems);

  void Plan(const FieldCells& cells);

 private:
  [[nodiscard]] RecordSpan Now() const { return {record_.index, bytes_}; }
  void Fail(const FieldDescriptor& field, std::string message);
  void PlanField(const FieldDescriptor& field, const Cell& cell);
  // A changed code beside a changed package: both must say the same.
  void MatchPackage(const FieldDescriptor& field, const Shown& value);
  [[nodiscard]] std::string Refusal(const FieldDescriptor& field, const Shown& before,
                                    const Shown& after) const;
  // Puts the value's stored form into the record; false when its bytes
  // are there already.
  bool Write(const FieldDescriptor& field, const Shown& value);
  // The spans and changed fields of the record's new bytes.
  void Conclude();
  [[nodiscard]] bool MoreThanCodesChange() const;

  const std::string& where_;
  const RecordSpan& record_;
  std::string bytes_;  // the record with the changes planned so far
  std::uint64_t fileLength_;
  bool fromCsv_;
  ImportPlan& plan_;
  ProblemReport& problems_;
  bool packageChanged_ = false;
  bool refused_ = false;
};

}  // namespace korvale::cli
