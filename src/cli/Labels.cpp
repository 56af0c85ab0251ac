#include "Labels.h"

#include "ListEntries.h"

namespace korvale::cli {
std::string RecordLabel(std::int64_t index, std::int64_t playerId) {
  return "record " + std::to_string(index) + " (id " + std::to_string(playerId) + ")";
}

std::string RecordLabel(const RecordSpan& record) {
  return RecordLabel(record.index, ShownNumber(record, FieldId::PlayerId));
}

std::string EntryText(FieldId field, const Shown& value) {
  const auto* code = std::get_if<std::int64_t>(&value);
  if (code == nullptr) return {};
  if (const auto entry = EntryForCode(field, *code)) return std::string(*entry);
  return "(code " + std::to_string(*code) + ")";
}

}  // namespace korvale::cli
