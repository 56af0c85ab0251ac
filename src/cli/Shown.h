#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "RecordLayout.h"
#include "VisibleText.h"

namespace korvale::cli {

// A field's value as the editor shows it: nothing (an appearance code that
// does not apply), a number, a text (UTF-8) or a flag.
using Shown = std::variant<std::monostate, std::int64_t, std::string, bool>;

// The bytes of one record as read in one piece, from the deletion flag on;
// shorter than a record when the file ends inside it.
struct RecordSpan {
  std::int64_t index = 0;
  std::string_view bytes;
};

// The stored text of a field, read by the editor's rules (up to the first
// zero byte; empty past the end of the file).
[[nodiscard]] std::string StoredText(const RecordSpan& record, const FieldDescriptor& field);

[[nodiscard]] Shown ShownValue(const RecordSpan& record, const FieldDescriptor& field);
[[nodiscard]] Shown ShownValue(const RecordSpan& record, FieldId field);
[[nodiscard]] std::int64_t ShownNumber(const RecordSpan& record, FieldId field);

// Whether the record's package name makes its appearance codes apply.
[[nodiscard]] bool AppearanceApplies(std::string_view playerPkg);
[[nodiscard]] bool IsAppearanceCode(FieldId field);
// The number of entries in an appearance code's list.
[[nodiscard]] int AppearanceCount(const FieldDescriptor& field);
// The four fields that can never be changed.
[[nodiscard]] bool IsReadOnly(FieldId field);

// Whether the editor accepts a range of shown values (ShownRangeOf).
[[nodiscard]] bool HasShownRange(const FieldDescriptor& field);

// The stored bytes the editor writes for a shown value (texts as file
// bytes), exactly the field's write width.
[[nodiscard]] std::string StoredForm(const FieldDescriptor& field, const Shown& value);

// A value for messages: texts quoted and escaped, "null" for nothing.
[[nodiscard]] std::string Render(const Shown& value);

}  // namespace korvale::cli
