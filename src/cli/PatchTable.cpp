#include "PatchTable.h"

#include <algorithm>
#include <array>

#include "TableWriter.h"

namespace korvale::cli {
namespace {

constexpr std::array<std::string_view, 7> kColumns{"PlayerId", "LastName", "FirstName", "Record",
                                                   "Field",    "Old",      "New"};

// Gathers the rows of a patch; a patch is small enough to hold whole.
class PatchSink final : public RowSink {
 public:
  PatchInput Take() { return std::move(input_); }

  void Header(const std::vector<std::string>& columns) override {
    headerRead_ = true;
    Check("1", columns);
  }

  void Row(const InputRow& row) override {
    std::vector<std::string> names;
    for (const auto& [column, cell] : row.cells) names.push_back(column);
    if (!headerRead_ && !Check(row.where, names)) return;
    if (!columnsKnown_) return;
    PatchEntry entry;
    entry.where = row.where;
    for (const auto& [column, cell] : row.cells) Put(entry, column, cell);
    if (entry.field != nullptr) input_.entries.push_back(std::move(entry));
  }

  void Fault(Problem problem) override { input_.problems.push_back(std::move(problem)); }

 private:
  // Whether the row or the header has the patch's columns, each once.
  bool Check(const std::string& where, const std::vector<std::string>& columns) {
    columnsKnown_ = true;
    for (const std::string_view name : kColumns) {
      const auto n = std::count(columns.begin(), columns.end(), name);
      if (n == 1) continue;
      Fail(where, std::string(name), n == 0 ? "missing" : "repeated column");
    }
    for (const std::string& column : columns) {
      if (std::find(kColumns.begin(), kColumns.end(), column) == kColumns.end()) {
        Fail(where, column, "unknown column");
      }
    }
    return columnsKnown_;
  }

  void Fail(const std::string& where, std::string column, std::string message) {
    columnsKnown_ = false;
    input_.problems.push_back({where, std::move(column), std::move(message)});
  }

  void Put(PatchEntry& entry, const std::string& column, const Cell& cell) {
    if (column == "PlayerId") entry.playerId = cell;
    if (column == "LastName") entry.lastName = cell;
    if (column == "FirstName") entry.firstName = cell;
    if (column == "Record") entry.record = cell;
    if (column == "Old") entry.oldCell = cell;
    if (column == "New") entry.newCell = cell;
    if (column != "Field") return;
    const auto* name = std::get_if<std::string>(&cell);
    entry.field = name == nullptr ? nullptr : FieldByName(*name);
    if (entry.field == nullptr) {
      input_.problems.push_back(
          {entry.where, column,
           (name == nullptr ? std::string("no field named") : Render(Shown{*name})) +
               " is not a field"});
    }
  }

  PatchInput input_;
  bool headerRead_ = false;
  bool columnsKnown_ = false;
};

}  // namespace

void AddDifferences(const RecordSpan& from, const RecordSpan& to, std::vector<PatchRow>& rows) {
  for (const FieldDescriptor& f : kRecordLayout) {
    Shown before = ShownValue(from, f);
    Shown after = ShownValue(to, f);
    if (before == after) continue;
    rows.push_back({ShownNumber(from, FieldId::PlayerId),
                    std::get<std::string>(ShownValue(from, FieldId::LastName)),
                    std::get<std::string>(ShownValue(from, FieldId::FirstName)), from.index,
                    IdOf(f), std::move(before), std::move(after)});
  }
}

void WritePatch(const std::vector<PatchRow>& rows, std::ostream& out, const TableStyle& style) {
  const auto writer = MakeTableWriter(out, style);
  writer->Begin({kColumns.begin(), kColumns.end()});
  for (const PatchRow& row : rows) {
    writer->Cell(Shown{row.playerId});
    writer->Cell(Shown{row.lastName});
    writer->Cell(Shown{row.firstName});
    writer->Cell(Shown{row.record});
    writer->Cell(Shown{std::string(Field(row.field).name)});
    writer->Cell(TableValue(row.field, row.oldValue, style.labels));
    writer->Cell(TableValue(row.field, row.newValue, style.labels));
    writer->EndRow();
  }
  writer->End();
}

PatchInput ReadPatch(std::istream& in, const TableOptions& options) {
  PatchSink sink;
  ReadTable(in, options, sink);
  return sink.Take();
}

}  // namespace korvale::cli
