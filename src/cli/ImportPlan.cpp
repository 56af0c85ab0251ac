#include "ImportPlan.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>

#include "Derived.h"
#include "Labels.h"
#include "StoredForms.h"
#include "Windows1252.h"

namespace korvale::cli {
namespace {

constexpr std::string_view kRecordColumn = "Record";

// FieldByName through a hash table: every cell of every row asks it.
const FieldDescriptor* FieldNamed(std::string_view name) {
  static const auto byName = [] {
    std::unordered_map<std::string_view, const FieldDescriptor*> fields;
    for (const FieldDescriptor& f : kRecordLayout) fields.emplace(f.name, &f);
    return fields;
  }();
  const auto found = byName.find(name);
  return found == byName.end() ? nullptr : found->second;
}

// A cell taken as a value of the field: nothing means "no change".
struct Taken {
  std::optional<Shown> value;
  std::string problem;
};

std::optional<std::int64_t> WholeNumber(const std::string& text) {
  const std::string_view trimmed = TrimTrailing(text);
  std::size_t i = 0;
  while (i < trimmed.size() && (trimmed[i] == ' ' || trimmed[i] == '\t')) ++i;
  std::size_t digits = i;
  if (digits < trimmed.size() && (trimmed[digits] == '-' || trimmed[digits] == '+')) ++digits;
  if (digits == trimmed.size() || trimmed.size() - digits > 12) return std::nullopt;
  for (std::size_t k = digits; k < trimmed.size(); ++k) {
    if (trimmed[k] < '0' || trimmed[k] > '9') return std::nullopt;
  }
  return std::stoll(std::string(trimmed.substr(i)));
}

std::string Describe(const Cell& cell) {
  if (const auto* u = std::get_if<Unusable>(&cell)) return u->what;
  if (const auto* t = std::get_if<std::string>(&cell)) return Render(Shown{*t});
  if (const auto* b = std::get_if<bool>(&cell)) return *b ? "true" : "false";
  return "nothing";
}

Taken TakeText(const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {Shown{std::string()}, {}};
  if (const auto* t = std::get_if<std::string>(&cell)) return {Shown{*t}, {}};
  return {std::nullopt, Describe(cell) + " is not a text"};
}

Taken TakeFlag(const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {};
  if (const auto* b = std::get_if<bool>(&cell)) return {Shown{*b}, {}};
  if (const auto* t = std::get_if<std::string>(&cell)) {
    if (*t == "true" || *t == "false") return {Shown{*t == "true"}, {}};
  }
  return {std::nullopt, Describe(cell) + " is neither true nor false"};
}

Taken TakeNumber(const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {};
  if (const auto* n = std::get_if<std::int64_t>(&cell)) return {Shown{*n}, {}};
  if (const auto* t = std::get_if<std::string>(&cell)) {
    if (const auto n = WholeNumber(*t)) return {Shown{*n}, {}};
  }
  return {std::nullopt, Describe(cell) + " is not a whole number"};
}

Taken TakeCell(const FieldDescriptor& field, const Cell& cell) {
  switch (field.form) {
    case korvale::StoredForm::Text: return TakeText(cell);
    case korvale::StoredForm::Flag: return TakeFlag(cell);
    default: return TakeNumber(cell);
  }
}

// What keeps a changed text from being written, if anything.
std::string TextProblem(const FieldDescriptor& field, const std::string& utf8) {
  const auto bytes = Utf8ToCp1252(utf8);
  if (!bytes) return "holds a character that has no single byte in the file";
  for (const char c : *bytes) {
    if (!IsAcceptedTextCharacter(DecodeCp1252(static_cast<unsigned char>(c)))) {
      return "holds a NUL, carriage return or line feed";
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
  if (number == nullptr) return {};
  if (field.form == korvale::StoredForm::Letter) {
    if (*number < 0 || *number >= AppearanceCount(field)) {
      return std::to_string(*number) + " outside 0.." + std::to_string(AppearanceCount(field) - 1);
    }
    return {};
  }
  const ShownRange range = ShownRangeOf(field);
  if (HasShownRange(field) && (*number < range.low || *number > range.high)) {
    return std::to_string(*number) + " outside " + std::to_string(range.low) + ".." +
           std::to_string(range.high);
  }
  return {};
}

// Validates and plans one row against its record. A written field can
// overlap others (PlayerPkg holds the appearance codes), so every value is
// compared with the record as the changes planned before it leave it.
class RowPlanner {
 public:
  RowPlanner(const InputRow& row, const RecordSpan& record, std::uint64_t fileLength,
             ImportPlan& plan)
      : row_(row), record_(record), bytes_(record.bytes), fileLength_(fileLength), plan_(plan) {}

  void Plan() {
    std::array<const Cell*, kFieldCount> cells{};  // in field order
    for (const auto& [column, cell] : row_.cells) {
      if (const FieldDescriptor* f = FieldNamed(column))
        cells[static_cast<std::size_t>(IdOf(*f))] = &cell;
    }
    playerId_ = ShownNumber(record_, FieldId::PlayerId);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
      if (cells[i] != nullptr) PlanField(kRecordLayout[i], *cells[i]);
    }
  }

 private:
  [[nodiscard]] RecordSpan Now() const { return {record_.index, bytes_}; }

  void Fail(const FieldDescriptor& field, std::string message) {
    plan_.problems.push_back({row_.where, std::string(field.name), std::move(message)});
  }

  void PlanField(const FieldDescriptor& field, const Cell& cell) {
    const Taken taken = TakeCell(field, cell);
    if (!taken.problem.empty()) return Fail(field, taken.problem);
    if (!taken.value) return;
    if (*taken.value == ShownValue(Now(), field)) return;
    const Shown before = ShownValue(record_, field);  // as the file showed it
    const FieldId id = IdOf(field);
    if (id == FieldId::PlayerId) {
      return Fail(field, Render(*taken.value) + " is not the record's PlayerId " + Render(before));
    }
    if (IsReadOnly(id)) return Fail(field, "read-only (the file holds " + Render(before) + ")");
    if (std::string problem = ValueProblem(field, *taken.value); !problem.empty()) {
      return Fail(field, problem);
    }
    if (IsAppearanceCode(id) && !AppearanceApplies(StoredText(Now(), Field(FieldId::PlayerPkg)))) {
      return Fail(field, "PlayerPkg does not begin with \":\"");
    }
    if (field.OffsetIn(record_.index) + field.writeWidth > fileLength_) {
      return Fail(field, "lies past the end of the file");
    }
    Record(field, before, *taken.value);
  }

  void Record(const FieldDescriptor& field, const Shown& before, const Shown& after) {
    std::string stored = StoredForm(field, after);
    const std::size_t at = field.position - RecordStart(0);
    if (bytes_.compare(at, stored.size(), stored) == 0) return;
    bytes_.replace(at, stored.size(), stored);
    plan_.changes.push_back(
        {record_.index, playerId_, IdOf(field), before, after, std::move(stored)});
  }

  const InputRow& row_;
  const RecordSpan& record_;
  std::string bytes_;  // the record with the changes planned so far
  std::uint64_t fileLength_;
  ImportPlan& plan_;
  std::int64_t playerId_ = 0;
};

// The columns a row may carry, checked once for a CSV header and per
// element for JSON.
void CheckColumns(const std::string& where, const std::vector<std::string>& columns,
                  ImportPlan& plan) {
  std::set<std::string> seen;
  for (const std::string& column : columns) {
    if (!seen.insert(column).second) {
      plan.problems.push_back({where, column, "repeated column"});
    } else if (IsDerivedColumn(column)) {
      auto& ignored = plan.ignoredColumns;
      if (std::find(ignored.begin(), ignored.end(), column) == ignored.end()) {
        ignored.push_back(column);
      }
    } else if (column != kRecordColumn && FieldNamed(column) == nullptr) {
      plan.problems.push_back({where, column, "unknown column"});
    }
  }
  if (seen.count(std::string(kRecordColumn)) == 0) {
    plan.problems.push_back({where, std::string(kRecordColumn), "missing"});
  }
}

std::vector<std::string> ColumnsOf(const InputRow& row) {
  std::vector<std::string> columns;
  for (const auto& [column, cell] : row.cells) columns.push_back(column);
  return columns;
}

// The row that names each record (null for none), or a problem.
std::vector<const InputRow*> RowsByRecord(const InputTable& table, std::int64_t count,
                                          ImportPlan& plan) {
  std::vector<const InputRow*> rows(static_cast<std::size_t>(count), nullptr);
  for (const InputRow& row : table.rows) {
    const auto cell = std::find_if(row.cells.begin(), row.cells.end(),
                                   [](const auto& c) { return c.first == kRecordColumn; });
    if (cell == row.cells.end()) continue;
    const Taken taken = TakeNumber(cell->second);
    const std::string column(kRecordColumn);
    if (!taken.problem.empty() || !taken.value) {
      plan.problems.push_back({row.where, column, taken.value ? taken.problem : "missing"});
      continue;
    }
    const std::int64_t k = std::get<std::int64_t>(*taken.value);
    if (k < 0 || k >= count) {
      plan.problems.push_back({row.where, column,
                               "record " + std::to_string(k) + " does not exist (the file has " +
                                   std::to_string(count) + " records)"});
    } else if (const InputRow*& first = rows[static_cast<std::size_t>(k)]; first != nullptr) {
      plan.problems.push_back(
          {row.where, column,
           "record " + std::to_string(k) + " appears again (first at " + first->where + ")"});
    } else {
      first = &row;
    }
  }
  return rows;
}

// Problems go out in the order of the input: by line or element number.
bool Before(const std::string& a, const std::string& b) {
  const auto key = [](const std::string& where) {
    const bool number =
        !where.empty() && where.find_first_not_of("0123456789") == std::string::npos;
    return number ? std::stoll(where) : -1LL;
  };
  return key(a) < key(b);
}

}  // namespace

std::string DescribeChange(const Change& change) {
  return RecordLabel(change.record, change.playerId) + " " + std::string(Field(change.field).name) +
         ": " + Render(change.before) + " -> " + Render(change.after);
}

// The changes come in file order: a record's changes follow each other.
std::size_t ImportPlan::RecordsChanged() const {
  std::size_t records = 0;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (i == 0 || changes[i].record != changes[i - 1].record) ++records;
  }
  return records;
}

ImportPlan PlanImport(const InputTable& table, RecordSource& source) {
  ImportPlan plan;
  plan.problems = table.problems;
  if (table.header) CheckColumns("1", *table.header, plan);
  for (const InputRow& row : table.rows) {
    if (!table.header) CheckColumns(row.where, ColumnsOf(row), plan);
  }
  auto& ignored = plan.ignoredColumns;
  const auto rank = [](const std::string& c) {
    return std::find(kDerivedColumns.begin(), kDerivedColumns.end(), c) - kDerivedColumns.begin();
  };
  std::sort(ignored.begin(), ignored.end(),
            [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
  const auto rows = RowsByRecord(table, source.Count(), plan);
  // At most one change per cell: room for all of them is set aside (and
  // only touched as it is used), so the list is never moved while growing.
  std::size_t cells = 0;
  for (const InputRow& row : table.rows) cells += row.cells.size();
  plan.changes.reserve(cells);
  source.ForEach([&](const RecordSpan& record) {
    const InputRow* row = rows[static_cast<std::size_t>(record.index)];
    if (row != nullptr) RowPlanner(*row, record, source.Length(), plan).Plan();
  });
  std::stable_sort(plan.problems.begin(), plan.problems.end(),
                   [](const Problem& a, const Problem& b) { return Before(a.where, b.where); });
  return plan;
}

}  // namespace korvale::cli
