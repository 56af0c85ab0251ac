// korvale-cli export on arbitrary files: it never fails on what the file
// holds, and its table is well-formed UTF-8 CSV or JSON with one row per
// record the editor counts. The first input byte picks the variant
// (bit 0: JSON, bit 1: derived values, bit 2: after a blank header).
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "Cli.h"
#include "FuzzCheck.h"
#include "PlayerFileState.h"
#include "ScratchFile.h"
#include "TableInput.h"
#include "Utf8.h"

namespace {

constexpr std::size_t kColumns = 1 + korvale::kFieldCount;
constexpr std::size_t kDerived = 16;

// Counts what the import's reader makes of a table.
class Counted final : public korvale::cli::RowSink {
 public:
  void Header(const std::vector<std::string>& columns) override { header = columns.size(); }
  void Row(const korvale::cli::InputRow&) override { ++rows; }
  void Fault(korvale::cli::Problem) override { ++faults; }
  std::size_t header = 0;
  std::int64_t rows = 0;
  int faults = 0;
};

void CheckCsv(const std::string& table, std::int64_t records, bool derived) {
  std::istringstream in(table);
  Counted read;
  korvale::cli::ReadTable(in, korvale::cli::TableOptions{}, read);
  FUZZ_CHECK(read.faults == 0);
  FUZZ_CHECK(read.header == kColumns + (derived ? kDerived : 0));
  FUZZ_CHECK(read.rows == records);
}

void CheckJson(const std::string& table, std::int64_t records, bool derived) {
  const nlohmann::json read = nlohmann::json::parse(table);  // throws on bad UTF-8
  FUZZ_CHECK(read.is_array() && static_cast<std::int64_t>(read.size()) == records);
  for (const auto& row : read) {
    FUZZ_CHECK(row.is_object() && row.size() == kColumns + (derived ? kDerived : 0));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const std::string path = ScratchFile("export");
  const unsigned variant = data[0];
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string bytes = (variant & 4) != 0 ? AfterBlankHeader(rest) : std::string(rest);
  WriteWhole(path, bytes);

  const bool json = (variant & 1) != 0;
  const bool derived = (variant & 2) != 0;
  std::vector<std::string> args{"export", path, "--format", json ? "json" : "csv"};
  if (derived) args.emplace_back("--derived");
  std::istringstream in;
  std::ostringstream out, err;
  const int code = korvale::cli::RunCli(args, in, out, err);
  if (!korvale::IsPlayerFileHeader(bytes)) {  // refused before anything is read
    FUZZ_CHECK(code == 2 && out.str().empty());
    FUZZ_CHECK(ReadWhole(path) == bytes);
    return 0;
  }
  FUZZ_CHECK(code == 0);
  FUZZ_CHECK(err.str().empty() || err.str().starts_with("korvale-cli: warning: record "));
  const std::string table = out.str();
  FUZZ_CHECK(korvale::IsUtf8(table));
  const std::int64_t records = korvale::PlayerFileState::RecordCount(bytes.size());
  if (json) {
    CheckJson(table, records, derived);
  } else {
    CheckCsv(table, records, derived);
  }
  FUZZ_CHECK(ReadWhole(path) == bytes);
  return 0;
}
