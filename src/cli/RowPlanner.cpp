#include "RowPlanner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "DbaseHeader.h"
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
std::size_t At(const FieldDescriptor& field) { return field.position - kDbaseHeaderLength; }

// The `width` bytes from `at` that a record holds (fewer, or none, when
// it is cut short).
std::string_view Slice(std::string_view bytes, std::size_t at, std::size_t width) {
  return at < bytes.size() ? bytes.substr(at, width) : std::string_view();
}

// Whether the 8 bytes from `at` of two records are the same.
bool SameWord(std::string_view a, std::string_view b, std::size_t at) {
  return std::memcmp(a.data() + at, b.data() + at, 8) == 0;
}

// For each field in order of position, the end of the furthest bytes it
// or any field before it reads or writes: it only grows, though fields
// overlap.
const std::array<std::size_t, kFieldCount>& ReadEnds() {
  static const auto ends = [] {
    std::array<std::size_t, kFieldCount> out{};
    std::size_t furthest = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
      const FieldDescriptor& field = kRecordLayout[i];
      furthest = std::max(furthest, At(field) + std::max(field.readWidth, field.writeWidth));
      out[i] = furthest;
    }
    return out;
  }();
  return ends;
}

// Which bytes of two records of the same length differ, found once for
// the record as the first and the last that do: a field then looks at its
// own few bytes only when it lies between them.
class Differences {
 public:
  Differences(std::string_view a, std::string_view b)
      : a_(a), b_(b), end_(std::min({a.size(), b.size(), std::size_t{kRecordLength}})) {
    while (first_ + 8 <= end_ && SameWord(a, b, first_)) first_ += 8;
    while (first_ < end_ && a[first_] == b[first_]) ++first_;
    while (end_ >= first_ + 8 && SameWord(a, b, end_ - 8)) end_ -= 8;
    while (end_ > first_ && a[end_ - 1] == b[end_ - 1]) --end_;
  }
  // Whether no byte from `at` on differs.
  [[nodiscard]] bool Beyond(std::size_t at) const { return at >= end_; }
  // The fields, in order of position, from the first whose bytes may differ.
  [[nodiscard]] std::span<const FieldDescriptor> FieldsFromFirst() const {
    const auto& ends = ReadEnds();
    const auto from = std::upper_bound(ends.begin(), ends.end(), first_) - ends.begin();
    return std::span(kRecordLayout).subspan(static_cast<std::size_t>(from));
  }
  // Whether any of the `width` bytes from `at` differ.
  [[nodiscard]] bool Within(std::size_t at, std::size_t width) const {
    for (std::size_t i = std::max(at, first_), end = std::min(end_, at + width); i < end; ++i) {
      if (a_[i] != b_[i]) return true;
    }
    return false;
  }

 private:
  std::string_view a_;
  std::string_view b_;
  std::size_t end_;        // past the last byte that differs
  std::size_t first_ = 0;  // the first byte that differs, or end_
};

}  // namespace

RowPlanner::RowPlanner(const std::string& where, const RecordSpan& record, std::uint64_t fileLength,
                       bool fromCsv, ImportPlan& plan, ProblemReport& problems)
    : where_(where),
      record_(record),
      bytes_(record.bytes),
      fileLength_(fileLength),
      fromCsv_(fromCsv),
      plan_(plan),
      problems_(problems) {}

void RowPlanner::Plan(const FieldCells& cells) {
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (cells[i] != nullptr) PlanField(kRecordLayout[i], *cells[i]);
  }
  // Once the table has a problem nothing is written: no more is kept.
  if (!refused_ && problems_.Count() == 0) Conclude();
}

void RowPlanner::Fail(const FieldDescriptor& field, std::string message) {
  refused_ = true;
  problems_.Add({where_, std::string(field.name), std::move(message)});
}

void RowPlanner::PlanField(const FieldDescriptor& field, const Cell& cell) {
  const Taken taken = TakeCell(field, cell, fromCsv_);
  if (!taken.problem.empty()) return Fail(field, taken.problem);
  if (!taken.value) return;
  const Shown before = ShownValue(record_, field);  // as the file shows it
  if (*taken.value == before) return;
  if (IsAppearanceCode(IdOf(field)) && packageChanged_) return MatchPackage(field, *taken.value);
  if (std::string refusal = Refusal(field, before, *taken.value); !refusal.empty()) {
    return Fail(field, std::move(refusal));
  }
  const bool written = Write(field, *taken.value);
  if (IdOf(field) == FieldId::PlayerPkg) packageChanged_ = written;
}

void RowPlanner::MatchPackage(const FieldDescriptor& field, const Shown& value) {
  const std::string package = StoredText(Now(), Field(FieldId::PlayerPkg));
  if (!AppearanceApplies(package)) return Fail(field, "PlayerPkg does not begin with \":\"");
  if (std::string problem = ValueProblem(field, value); !problem.empty()) {
    return Fail(field, std::move(problem));
  }
  const Shown given = ShownValue(Now(), field);
  if (given == value) return;  // the package writes it
  Fail(field, Render(value) + " disagrees with PlayerPkg " +
                  Render(ShownValue(Now(), FieldId::PlayerPkg)) + ", which gives " + Render(given));
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

bool RowPlanner::Write(const FieldDescriptor& field, const Shown& value) {
  const std::string stored = StoredForm(field, value);
  const std::size_t at = At(field);
  if (bytes_.compare(at, stored.size(), stored) == 0) return false;
  std::copy(stored.begin(), stored.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

void RowPlanner::Conclude() {
  if (record_.bytes == bytes_) return;
  const Differences differences(record_.bytes, bytes_);
  const std::int64_t playerId = plan_.keepsShown ? ShownNumber(record_, FieldId::PlayerId) : 0;
  std::array<bool, kFieldCount> changed{};  // by field: whether the bytes it reads differ
  const std::span<const FieldDescriptor> fields = differences.FieldsFromFirst();
  for (const FieldDescriptor& field : fields) {  // in order of position
    if (differences.Beyond(At(field))) break;
    if (!differences.Within(At(field), field.readWidth)) continue;
    changed[static_cast<std::size_t>(IdOf(field))] = true;
    ++plan_.fieldsChanged;
    if (plan_.keepsShown) {
      plan_.shown.push_back({record_.index, playerId, IdOf(field), ShownValue(record_, field),
                             ShownValue(Now(), field)});
    }
  }
  // One write for the package when more of it changes than its codes;
  // else one for each code that changes.
  const FieldDescriptor& package = Field(FieldId::PlayerPkg);
  bool packageWritten = false;
  for (const FieldDescriptor& field : fields) {
    if (differences.Beyond(At(field))) break;
    const bool written = field.writeWidth == field.readWidth
                             ? changed[static_cast<std::size_t>(IdOf(field))]
                             : differences.Within(At(field), field.writeWidth);
    if (!written) continue;
    if (&field == &package) {
      packageWritten = MoreThanCodesChange();
      if (!packageWritten) continue;
    }
    if (IsAppearanceCode(IdOf(field)) && packageWritten) continue;
    Span& span = plan_.spans.emplace_back();
    span.offset = field.OffsetIn(record_.index);
    span.oldBytes.assign(Slice(record_.bytes, At(field), field.writeWidth));
    span.newBytes.assign(Slice(bytes_, At(field), field.writeWidth));
  }
}

bool RowPlanner::MoreThanCodesChange() const {
  const FieldDescriptor& package = Field(FieldId::PlayerPkg);
  for (std::size_t i = 0; i < package.writeWidth; ++i) {
    const auto position = static_cast<std::uint16_t>(package.position + i);
    const bool code = std::any_of(kRecordLayout.begin(), kRecordLayout.end(), [&](const auto& f) {
      return IsAppearanceCode(IdOf(f)) && f.position == position;
    });
    const std::size_t at = At(package) + i;
    if (at >= bytes_.size()) break;
    if (!code && record_.bytes[at] != bytes_[at]) return true;
  }
  return false;
}

}  // namespace korvale::cli
