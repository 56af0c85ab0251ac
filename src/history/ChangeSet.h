#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RecordLayout.h"
#include "RollbackJournal.h"

namespace korvale::history {

// Which program made a change set.
enum class Program : std::uint8_t { Editor = 0, Import = 1, Undo = 2, Apply = 3 };

[[nodiscard]] std::string_view ProgramName(Program program);

// One field written: the bytes it held before and after (as many of each).
struct FieldChange {
  std::int64_t record = 0;
  FieldId field = FieldId::PlayerNumber;
  std::string oldBytes;
  std::string newBytes;
};

// The fields one commit or one command wrote, in the order written.
struct ChangeSet {
  std::uint64_t id = 0;
  std::int64_t time = 0;  // seconds since the epoch
  Program program = Program::Editor;
  std::vector<FieldChange> changes;
};

// The field that starts at this position in record 0, if any.
[[nodiscard]] std::optional<FieldId> FieldAtPosition(std::uint16_t position);

// The record and the field a roster write starts; nothing when it starts
// no field.
struct FieldPlace {
  std::int64_t record = 0;
  FieldId field = FieldId::PlayerNumber;
};
[[nodiscard]] std::optional<FieldPlace> PlaceOfSpan(const Span& span);

// A roster write as a field change; nothing when it does not start a field.
[[nodiscard]] std::optional<FieldChange> ChangeOfSpan(const Span& span);
// The roster write that makes the change again.
[[nodiscard]] Span SpanOf(const FieldChange& change);

// Whether a write that starts a field changes its bytes: what a change set
// of the writes records.
[[nodiscard]] bool IsFieldChange(const Span& span);
[[nodiscard]] bool ChangesAnyField(const std::vector<Span>& spans);

}  // namespace korvale::history
