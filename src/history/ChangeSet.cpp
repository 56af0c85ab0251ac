#include "ChangeSet.h"

#include <algorithm>

#include "DbaseHeader.h"

namespace korvale::history {

std::string_view ProgramName(Program program) {
  switch (program) {
    case Program::Editor: return "editor";
    case Program::Import: return "import";
    case Program::Undo: return "undo";
  }
  return "unknown";
}

std::optional<FieldId> FieldAtPosition(std::uint16_t position) {
  const auto* it =
      std::find_if(kRecordLayout.begin(), kRecordLayout.end(),
                   [position](const FieldDescriptor& f) { return f.position == position; });
  if (it == kRecordLayout.end()) return std::nullopt;
  return IdOf(*it);
}

std::optional<FieldChange> ChangeOfSpan(const Span& span) {
  if (span.offset < kDbaseHeaderLength) return std::nullopt;
  const std::uint64_t record = (span.offset - kDbaseHeaderLength) / kRecordLength;
  const auto field =
      FieldAtPosition(static_cast<std::uint16_t>(span.offset - record * kRecordLength));
  if (!field) return std::nullopt;
  return FieldChange{static_cast<std::int64_t>(record), *field, span.oldBytes, span.newBytes};
}

Span SpanOf(const FieldChange& change) {
  return {Field(change.field).OffsetIn(change.record), change.oldBytes, change.newBytes};
}

std::vector<FieldChange> ChangesOfSpans(const std::vector<Span>& spans) {
  std::vector<FieldChange> changes;
  changes.reserve(spans.size());
  for (const Span& span : spans) {
    if (span.oldBytes == span.newBytes) continue;
    if (auto change = ChangeOfSpan(span)) changes.push_back(std::move(*change));
  }
  return changes;
}

}  // namespace korvale::history
