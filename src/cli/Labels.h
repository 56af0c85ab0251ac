#pragma once

#include <string>

#include "Shown.h"

namespace korvale::cli {

// The record's player as messages name it: "record 12 (id 1234)".
[[nodiscard]] std::string RecordLabel(const RecordSpan& record);
[[nodiscard]] std::string RecordLabel(std::int64_t index, std::int64_t playerId);

// The list entry the editor shows for a code, or "(code N)" when the code
// has no entry; empty for an appearance code that does not apply.
[[nodiscard]] std::string EntryText(FieldId field, const Shown& value);

// A field's value as `show` prints it: list entries by name, flags as
// [x] or [ ], texts with their control characters made visible.
[[nodiscard]] std::string ShownText(const RecordSpan& record, FieldId field);

}  // namespace korvale::cli
