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

std::string ShownText(const RecordSpan& record, FieldId field) {
  const Shown value = ShownValue(record, field);
  if (IsListField(field)) return EntryText(field, value);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "[x]" : "[ ]";
  if (const auto* text = std::get_if<std::string>(&value)) return VisibleText(*text);
  return Render(value);
}

}  // namespace korvale::cli
