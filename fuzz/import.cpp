// korvale-cli import of arbitrary CSV and JSON against a sample roster.
// A rejected table leaves the file byte-identical. An accepted one changes
// exactly the fields whose imported value differs from what the file
// showed, each to the stored form of its new value, and no byte outside
// the editor's fields. The first input byte picks the format (bit 0: JSON).
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "Cli.h"
#include "DbaseHeader.h"
#include "FuzzCheck.h"
#include "RecordSource.h"
#include "SampleRoster.h"
#include "ScratchFile.h"
#include "Shown.h"
#include "StoredForms.h"
#include "TableInput.h"

using namespace korvale;
using namespace korvale::cli;

namespace {

constexpr int kPlayers = 6;

std::optional<std::int64_t> Number(const std::string& text) {
  std::string_view s = TrimTrailing(text);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  try {
    std::size_t used = 0;
    const long long n = std::stoll(std::string(s), &used);
    if (used == s.size()) return n;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

// The value a cell gives a field, when it gives one.
std::optional<Shown> ValueOf(const FieldDescriptor& field, const Cell& cell) {
  const auto* text = std::get_if<std::string>(&cell);
  switch (field.form) {
    case korvale::StoredForm::Text:
      if (std::holds_alternative<std::monostate>(cell)) return Shown{std::string()};
      if (text) return Shown{*text};
      return std::nullopt;
    case korvale::StoredForm::Flag:
      if (const auto* b = std::get_if<bool>(&cell)) return Shown{*b};
      if (text && (*text == "true" || *text == "false")) return Shown{*text == "true"};
      return std::nullopt;
    default:
      if (const auto* n = std::get_if<std::int64_t>(&cell)) return Shown{*n};
      if (text) {
        if (const auto n = Number(*text)) return Shown{*n};
      }
      return std::nullopt;
  }
}

std::optional<std::int64_t> RecordOf(const InputRow& row) {
  for (const auto& [column, cell] : row.cells) {
    if (column != "Record") continue;
    if (const auto* n = std::get_if<std::int64_t>(&cell)) return *n;
    if (const auto* t = std::get_if<std::string>(&cell)) return Number(*t);
  }
  return std::nullopt;
}

// The rows of an accepted table, as the import reads them.
class CollectedRows final : public RowSink {
 public:
  void Header(const std::vector<std::string>&) override {}
  void Row(const InputRow& row) override { rows.push_back(row); }
  void Fault(Problem) override { FUZZ_CHECK(false); }
  std::vector<InputRow> rows;
};

std::vector<InputRow> ReadRows(const std::string& text, bool json) {
  std::istringstream in(text);
  CollectedRows collected;
  ReadTable(in, TableOptions{json ? TableFormat::Json : TableFormat::Csv}, collected);
  return collected.rows;
}

// The file an accepted table must leave: in the order of the fields, every
// imported value that differs from the one the record showed before its
// row, in its stored form at its field (PlayerPkg overlaps the codes).
std::string Expected(const std::string& before, const std::vector<InputRow>& rows) {
  std::string after = before;
  for (const InputRow& row : rows) {
    const auto k = RecordOf(row);
    FUZZ_CHECK(k && *k >= 0 && *k < kPlayers);
    std::map<FieldId, Cell> cells;
    for (const auto& [column, cell] : row.cells) {
      if (const FieldDescriptor* field = FieldByName(column)) cells[IdOf(*field)] = cell;
    }
    // A cell that shows what the record held before the row changes
    // nothing; PlayerPkg and a changed code give the same letter.
    const std::string held = after.substr(RecordStart(*k), kRecordLength);
    for (const auto& [id, cell] : cells) {
      const FieldDescriptor& field = Field(id);
      const auto value = ValueOf(field, cell);
      if (!value || *value == ShownValue(RecordSpan{*k, held}, field)) continue;
      const std::string stored = cli::StoredForm(field, *value);
      after.replace(field.OffsetIn(*k), stored.size(), stored);
    }
  }
  return after;
}

bool InsideFields(std::size_t offset) {
  if (offset < kDbaseHeaderLength) return false;
  const auto within = (offset - kDbaseHeaderLength) % kRecordLength;
  return IsFieldByte(static_cast<std::uint16_t>(kDbaseHeaderLength + within));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::string path = ScratchFile("import");
  static const std::string sample = SampleRosterBytes(kPlayers);
  const bool json = (data[0] & 1) != 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  WriteWhole(path, sample);

  std::istringstream in(text);
  std::ostringstream out, err;
  const int code = RunCli({"import", path, "-", "--format", json ? "json" : "csv"}, in, out, err);
  const std::string after = ReadWhole(path);
  if (code != 0) {
    FUZZ_CHECK(code == 1);
    FUZZ_CHECK(after == sample);
    return 0;
  }
  const std::string expected = Expected(sample, ReadRows(text, json));
  if (after != expected) {
    std::size_t at = 0;
    while (at < after.size() && after[at] == expected[at]) ++at;
    std::fprintf(stderr, "the file differs from the expected one at offset %zu\n", at);
  }
  FUZZ_CHECK(after == expected);
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (after[i] != sample[i]) FUZZ_CHECK(InsideFields(i));
  }
  return 0;
}
