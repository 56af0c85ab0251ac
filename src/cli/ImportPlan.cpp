#include "ImportPlan.h"

#include <algorithm>
#include <array>
#include <ios>
#include <new>
#include <set>
#include <unordered_map>

#include "Derived.h"
#include "Labels.h"
#include "LargePages.h"
#include "RowPlanner.h"
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

// The columns a row may carry, checked once for a CSV header and per
// element for JSON.
void CheckColumns(const std::string& where, const std::vector<std::string>& columns,
                  ImportPlan& plan, ProblemReport& problems) {
  std::set<std::string> seen;
  for (const std::string& column : columns) {
    if (!seen.insert(column).second) {
      problems.Add({where, column, "repeated column"});
    } else if (IsDerivedColumn(column)) {
      auto& ignored = plan.ignoredColumns;
      if (std::find(ignored.begin(), ignored.end(), column) == ignored.end()) {
        ignored.push_back(column);
      }
    } else if (column != kRecordColumn && FieldNamed(column) == nullptr) {
      problems.Add({where, column, "unknown column"});
    }
  }
  if (seen.count(std::string(kRecordColumn)) == 0) {
    problems.Add({where, std::string(kRecordColumn), "missing"});
  }
}

std::vector<std::string> ColumnsOf(const InputRow& row) {
  std::vector<std::string> columns;
  for (const auto& [column, cell] : row.cells) columns.push_back(column);
  return columns;
}

// Makes room for the spans the rest of a table in file order would plan at
// the rate of the rows planned so far, rather than doubling: every copy
// made while the spans grow is memory first touched, and the pages are
// what an import of many changes costs most. A row plans at most
// kFieldCount spans. Room for more than 64 times the spans so far is taken
// only up to kFreeRoom spans: memory asked for, touched only when used.
constexpr std::size_t kFreeRoom = std::size_t{1} << 20;

void ReserveAhead(std::vector<Span>& spans, std::int64_t rowsDone, std::int64_t records) {
  if (spans.capacity() - spans.size() >= kFieldCount) return;
  const std::size_t rate = rowsDone == 0 ? 0
                                         : spans.size() * static_cast<std::size_t>(records) /
                                               static_cast<std::size_t>(rowsDone);
  const std::size_t wanted = std::max(2 * spans.capacity(), rate + rate / 16);
  spans.reserve(std::min(wanted, std::max(64 * spans.size(), kFreeRoom)) + kFieldCount);
  PreferLargePages(spans.data(), spans.capacity() * sizeof(Span));
}

// Plans each row as the table reader hands it over, reading the records
// it names in pieces: a table in file order reads the file once.
class Planner final : public RowSink {
 public:
  Planner(RecordSource& source, bool fromCsv, ProblemReport& problems, bool keepShown)
      : source_(source),
        fromCsv_(fromCsv),
        problems_(problems),
        firstRow_(static_cast<std::size_t>(source.Count())) {
    plan_.keepsShown = keepShown;
  }

  ImportPlan Take() { return std::move(plan_); }

  void Header(const std::vector<std::string>& columns) override {
    header_ = true;
    CheckColumns("1", columns, plan_, problems_);
    for (const std::string& column : columns) headerFields_.push_back(FieldNamed(column));
  }

  void Row(const InputRow& row) override {
    if (!header_) CheckColumns(row.where, ColumnsOf(row), plan_, problems_);
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
    ReserveAhead(plan_.spans, rowsPlanned_++, source_.Count());
    RowPlanner(row.where, RecordAt(k), source_.Length(), fromCsv_, plan_, problems_)
        .Plan(CellsOf(row));
  }

  void Fault(Problem problem) override { problems_.Add(problem); }

 private:
  void Fail(const InputRow& row, std::string message) {
    problems_.Add({row.where, std::string(kRecordColumn), std::move(message)});
  }

  // The row's cells in field order; a CSV row has the header's columns.
  [[nodiscard]] FieldCells CellsOf(const InputRow& row) const {
    FieldCells cells{};
    const bool csv = header_ && row.cells.size() == headerFields_.size();
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
      const auto& [column, cell] = row.cells[i];
      if (const FieldDescriptor* f = csv ? headerFields_[i] : FieldNamed(column))
        cells[static_cast<std::size_t>(IdOf(*f))] = &cell;
    }
    return cells;
  }

  RecordSpan RecordAt(std::int64_t k) {
    if (k < first_ || k >= first_ + kRecordsPerRead || piece_.empty()) {
      first_ = k;
      source_.ReadRecordsInto(k, std::min(kRecordsPerRead, source_.Count() - k), piece_);
    }
    return RecordIn(piece_, first_, k);
  }

  RecordSource& source_;
  bool fromCsv_;
  ProblemReport& problems_;
  bool header_ = false;
  std::vector<const FieldDescriptor*> headerFields_;  // each header column's field, or null
  ImportPlan plan_;
  std::vector<std::uint64_t> firstRow_;  // the row (line or element) naming each record, or 0
  std::string piece_;                    // the records read last, from first_ on
  std::int64_t first_ = 0;
  std::int64_t rowsPlanned_ = 0;
};

// The record a span lies in.
std::int64_t RecordOfOffset(std::uint64_t offset) {
  return static_cast<std::int64_t>((offset - RecordStart(0)) / kRecordLength);
}

// Sorts the spans and the shown changes by record, keeping the order of a
// record's own.
void InFileOrder(ImportPlan& plan) {
  const auto byOffset = [](const Span& a, const Span& b) {
    return RecordOfOffset(a.offset) < RecordOfOffset(b.offset);
  };
  if (!std::is_sorted(plan.spans.begin(), plan.spans.end(), byOffset)) {
    std::stable_sort(plan.spans.begin(), plan.spans.end(), byOffset);
  }
  const auto byRecord = [](const VerboseChange& a, const VerboseChange& b) {
    return a.record < b.record;
  };
  if (!std::is_sorted(plan.shown.begin(), plan.shown.end(), byRecord)) {
    std::stable_sort(plan.shown.begin(), plan.shown.end(), byRecord);
  }
}

}  // namespace

std::string DescribeChange(const VerboseChange& change) {
  return RecordLabel(change.record, change.playerId) + " " + std::string(Field(change.field).name) +
         ": " + Render(change.before) + " -> " + Render(change.after);
}

// The spans come in file order: a record's spans follow each other.
std::size_t ImportPlan::RecordsChanged() const {
  std::size_t records = 0;
  std::uint64_t end = 0;  // where the record of the last span counted ends
  for (const Span& span : spans) {
    if (span.offset < end) continue;
    ++records;
    end = RecordStart(RecordOfOffset(span.offset) + 1);
  }
  return records;
}

ImportPlan PlanImport(std::istream& in, const TableOptions& options, RecordSource& source,
                      ProblemReport& problems, bool keepShown) {
  Planner planner(source, options.format == TableFormat::Csv, problems, keepShown);
  std::string unreadable;
  try {
    ReadTable(in, options, planner);
  } catch (const std::ios_base::failure& e) {
    unreadable = e.code().message();
  } catch (const std::bad_alloc&) {
    unreadable = "out of memory";
  }
  ImportPlan plan = planner.Take();
  plan.problems = problems.Count();
  if (!unreadable.empty()) {
    plan = {};
    plan.unreadable = std::move(unreadable);
    return plan;
  }
  auto& ignored = plan.ignoredColumns;
  const auto rank = [](const std::string& c) {
    return std::find(kDerivedColumns.begin(), kDerivedColumns.end(), c) - kDerivedColumns.begin();
  };
  std::sort(ignored.begin(), ignored.end(),
            [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
  // A table in another order than the file's: a record's changes keep
  // theirs (PlayerPkg before its codes).
  InFileOrder(plan);
  return plan;
}

}  // namespace korvale::cli
