#include "RowPlanner.h"

#include <algorithm>

#include "RecordSource.h"
#include "StoredForms.h"
#include "TableInputValues.h"
#include "Windows1252.h"

namespace korvale::cli {
namespace {

// What keeps a changed text from being written, if anything.
std::string TextProblem(const FieldDescriptor& field, const std::string& utf8) {
  if (const std::string control = ControlCharacterIn(utf8); !control.empty()) {
    return "holds the control character " + control;
  }
  const auto bytes = Utf8ToCp1252(utf8);
  if (!bytes) return "holds a character that has no single byte in the file";
  for (const char c : *bytes) {
    if (!IsAcceptedTextCharacter(DecodeCp1252(static_cast<unsigned char>(c)))) {
      return "holds a character the file cannot keep";
    }
  }
  if (bytes->size() > field.writeWidth) {
    return std::to_string(bytes->size()) + " characters, at most " +
           std::to_string(field.writeWidth);
  }
  return {};
}

std::string ValueProblem(const FieldDescriptor& field, const Shown& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return TextProblem(field, *text);
  const auto* number = std::get_if<std::int64_t>(&value);
  return number == nullptr ? std::string() : NumberProblem(field, *number);
}

// Where a field's read bytes start within its record.
std::size_t At(const FieldDescriptor& field) { return field.position - RecordStart(0); }

}  // namespace

RowPlanner::RowPlanner(const std::string& where, const RecordSpan& record, std::uint64_t fileLength,
                       bool fromCsv, ImportPlan& plan)
    : where_(where),
      record_(record),
      bytes_(record.bytes),
      fileLength_(fileLength),
      fromCsv_(fromCsv),
      plan_(plan) {}

void RowPlanner::Plan(const FieldCells& cells) {
  if (plan_.keepsShown) playerId_ = ShownNumber(record_, FieldId::PlayerId);
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (cells[i] != nullptr) PlanField(kRecordLayout[i], *cells[i]);
  }
}

bool RowPlanner::Untouched(const FieldDescriptor& field) const {
  const auto apart = [&](const FieldDescriptor& f) {
    return At(f) >= changedEnd_ || At(f) + f.readWidth <= changedBegin_;
  };
  return apart(field) && (!IsAppearanceCode(IdOf(field)) || apart(Field(FieldId::PlayerPkg)));
}

void RowPlanner::Fail(const FieldDescriptor& field, std::string message) {
  plan_.problems.push_back({where_, std::string(field.name), std::move(message)});
}

void RowPlanner::PlanField(const FieldDescriptor& field, const Cell& cell) {
  const Taken taken = TakeCell(field, cell, fromCsv_);
  if (!taken.problem.empty()) return Fail(field, taken.problem);
  if (!taken.value) return;
  const Shown before = ShownValue(record_, field);  // as the file showed it
  if (*taken.value == (Untouched(field) ? before : ShownValue(Now(), field))) return;
  if (std::string refusal = Refusal(field, before, *taken.value); !refusal.empty()) {
    return Fail(field, std::move(refusal));
  }
  Record(field, before, *taken.value);
}

// Why a changed value cannot be written, if it cannot.
std::string RowPlanner::Refusal(const FieldDescriptor& field, const Shown& before,
                                const Shown& after) const {
  const FieldId id = IdOf(field);
  if (id == FieldId::PlayerId) {
    return Render(after) + " is not the record's PlayerId " + Render(before);
  }
  if (IsReadOnly(id)) return "read-only (the file holds " + Render(before) + ")";
  if (std::string problem = ValueProblem(field, after); !problem.empty()) return problem;
  if (IsAppearanceCode(id) && !AppearanceApplies(StoredText(Now(), Field(FieldId::PlayerPkg)))) {
    return "PlayerPkg does not begin with \":\"";
  }
  if (field.OffsetIn(record_.index) + field.writeWidth > fileLength_) {
    return "lies past the end of the file";
  }
  return {};
}

// Plans the write of a changed value, unless its bytes are there already.
// The bytes it replaces are those the file holds.
void RowPlanner::Record(const FieldDescriptor& field, const Shown& before, const Shown& after) {
  std::string stored = StoredForm(field, after);
  const std::size_t at = At(field);
  if (bytes_.compare(at, stored.size(), stored) == 0) return;
  std::copy(stored.begin(), stored.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
  changedBegin_ = std::min(changedBegin_, at);
  changedEnd_ = std::max(changedEnd_, at + stored.size());
  Span& span = plan_.spans.emplace_back();
  span.offset = field.OffsetIn(record_.index);
  span.oldBytes.assign(record_.bytes.substr(at, stored.size()));
  span.newBytes = std::move(stored);
  if (plan_.keepsShown) {
    plan_.shown.push_back({record_.index, playerId_, IdOf(field), before, after});
  }
}

}  // namespace korvale::cli
