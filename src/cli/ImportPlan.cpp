#include "ImportPlan.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>

#include "Derived.h"
#include "Labels.h"
#include "StoredForms.h"
#include "TableInputValues.h"
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

// Validates and plans one row against its record. A written field can
// overlap others (PlayerPkg holds the appearance codes), so every value is
// compared with the record as the changes planned before it leave it.
class RowPlanner {
 public:
  RowPlanner(const InputRow& row, const RecordSpan& record, std::uint64_t fileLength, bool fromCsv,
             ImportPlan& plan)
      : row_(row),
        record_(record),
        bytes_(record.bytes),
        fileLength_(fileLength),
        fromCsv_(fromCsv),
        plan_(plan) {}

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
    const Taken taken = TakeCell(field, cell, fromCsv_);
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
  bool fromCsv_;
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

// Plans each row as the table reader hands it over, reading the records
// it names in pieces: a table in file order reads the file once.
class Planner final : public RowSink {
 public:
  Planner(RecordSource& source, bool fromCsv)
      : source_(source), fromCsv_(fromCsv), firstRow_(static_cast<std::size_t>(source.Count())) {}

  ImportPlan Take() { return std::move(plan_); }

  void Header(const std::vector<std::string>& columns) override {
    header_ = true;
    CheckColumns("1", columns, plan_);
  }

  void Row(const InputRow& row) override {
    if (!header_) CheckColumns(row.where, ColumnsOf(row), plan_);
    const auto cell = std::find_if(row.cells.begin(), row.cells.end(),
                                   [](const auto& c) { return c.first == kRecordColumn; });
    if (cell == row.cells.end()) return;
    const Taken taken = TakeRecordNumber(cell->second);
    if (!taken.value) return Fail(row, taken.problem);
    const std::int64_t k = std::get<std::int64_t>(*taken.value);
    if (k < 0 || k >= source_.Count()) {
      return Fail(row, "record " + std::to_string(k) + " does not exist (the file has " +
                           std::to_string(source_.Count()) + " records)");
    }
    std::uint64_t& first = firstRow_[static_cast<std::size_t>(k)];
    if (first != 0) {
      return Fail(row, "record " + std::to_string(k) + " appears again (first at " +
                           std::to_string(first) + ")");
    }
    first = std::stoull(row.where);
    RowPlanner(row, RecordAt(k), source_.Length(), fromCsv_, plan_).Plan();
  }

  void Fault(Problem problem) override { plan_.problems.push_back(std::move(problem)); }

 private:
  void Fail(const InputRow& row, std::string message) {
    plan_.problems.push_back({row.where, std::string(kRecordColumn), std::move(message)});
  }

  RecordSpan RecordAt(std::int64_t k) {
    if (k < first_ || k >= first_ + kRecordsPerRead || piece_.empty()) {
      first_ = k;
      piece_ = source_.ReadRecords(k, std::min(kRecordsPerRead, source_.Count() - k));
    }
    return RecordIn(piece_, first_, k);
  }

  RecordSource& source_;
  bool fromCsv_;
  bool header_ = false;
  ImportPlan plan_;
  std::vector<std::uint64_t> firstRow_;  // the row (line or element) naming each record, or 0
  std::string piece_;                    // the records read last, from first_ on
  std::int64_t first_ = 0;
};

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
  const Change* last = nullptr;
  for (const Change& change : changes) {
    if (last == nullptr || change.record != last->record) ++records;
    last = &change;
  }
  return records;
}

ImportPlan PlanImport(std::istream& in, const TableOptions& options, RecordSource& source) {
  Planner planner(source, options.format == TableFormat::Csv);
  ReadTable(in, options, planner);
  ImportPlan plan = planner.Take();
  auto& ignored = plan.ignoredColumns;
  const auto rank = [](const std::string& c) {
    return std::find(kDerivedColumns.begin(), kDerivedColumns.end(), c) - kDerivedColumns.begin();
  };
  std::sort(ignored.begin(), ignored.end(),
            [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
  // A table in another order than the file's: a record's changes keep
  // theirs (PlayerPkg before its codes).
  const auto byRecord = [](const Change& a, const Change& b) { return a.record < b.record; };
  if (!std::is_sorted(plan.changes.begin(), plan.changes.end(), byRecord)) {
    std::stable_sort(plan.changes.begin(), plan.changes.end(), byRecord);
  }
  std::stable_sort(plan.problems.begin(), plan.problems.end(),
                   [](const Problem& a, const Problem& b) { return Before(a.where, b.where); });
  return plan;
}

}  // namespace korvale::cli
