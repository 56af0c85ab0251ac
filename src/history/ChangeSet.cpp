#include "ChangeSet.h"

#include <algorithm>
#include <array>

#include "DbaseHeader.h"

namespace korvale::history {

std::string_view ProgramName(Program program) {
  switch (program) {
    case Program::Editor: return "editor";
    case Program::Import: return "import";
    case Program::Undo: return "undo";
    case Program::Apply: return "apply";
  }
  return "unknown";
}

std::optional<FieldId> FieldAtPosition(std::uint16_t position) {
  // The field that starts at each position, -1 where none does.
  static const auto kStarts = [] {
    std::array<std::int8_t, kDbaseHeaderLength + kRecordLength> starts{};
    starts.fill(-1);
    for (const FieldDescriptor& f : kRecordLayout) {
      starts.at(f.position) = static_cast<std::int8_t>(IdOf(f));
    }
    return starts;
  }();
  if (position >= kStarts.size() || kStarts[position] < 0) return std::nullopt;
  return static_cast<FieldId>(kStarts[position]);
}

std::uint64_t RecordAt(std::uint64_t offset) {
  return (offset - std::min<std::uint64_t>(offset, kDbaseHeaderLength)) / kRecordLength;
}

std::optional<FieldPlace> PlaceOfSpan(const Span& span) {
  if (span.offset < kDbaseHeaderLength) return std::nullopt;
  const std::uint64_t record = RecordAt(span.offset);
  const auto field =
      FieldAtPosition(static_cast<std::uint16_t>(span.offset - record * kRecordLength));
  if (!field) return std::nullopt;
  return FieldPlace{static_cast<std::int64_t>(record), *field};
}

std::optional<FieldChange> ChangeOfSpan(const Span& span) {
  const auto place = PlaceOfSpan(span);
  if (!place) return std::nullopt;
  return FieldChange{place->record, place->field, std::string(span.oldBytes.View()),
                     std::string(span.newBytes.View())};
}

Span SpanOf(const FieldChange& change) {
  return {Field(change.field).OffsetIn(change.record), change.oldBytes, change.newBytes};
}

PlayerBefore PlayerOf(std::int64_t record, const RosterBytes& read) {
  PlayerBefore player{record, {}, {}, {}};
  for (const FieldId field : kIdentityFields) {
    const FieldDescriptor& f = Field(field);
    IdentityBytes(player, field) = read(f.OffsetIn(record), f.readWidth);
  }
  return player;
}

const std::string& IdentityBytes(const PlayerBefore& player, FieldId field) {
  if (field == FieldId::PlayerId) return player.playerId;
  return field == FieldId::LastName ? player.lastName : player.firstName;
}

std::string& IdentityBytes(PlayerBefore& player, FieldId field) {
  if (field == FieldId::PlayerId) return player.playerId;
  return field == FieldId::LastName ? player.lastName : player.firstName;
}

bool IsFieldChange(const Span& span) {
  return span.oldBytes != span.newBytes && PlaceOfSpan(span).has_value();
}

bool ChangesAnyField(const std::vector<Span>& spans) {
  return std::any_of(spans.begin(), spans.end(), IsFieldChange);
}

}  // namespace korvale::history
