#include <filesystem>
#include <fstream>

#include "ChangeHistory.h"
#include "Commands.h"
#include "ImportPlan.h"
#include "RecordSource.h"
#include "ReplacingOutput.h"
#include "StopSignals.h"
#include "TableFormat.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

// The table to read: standard input, or the file, whose encoding is
// decided by one pass over it unless an option names it.
struct Input {
  std::ifstream file;
  std::istream* stream = nullptr;
  TableOptions options;
};

bool OpenInput(const ImportOptions& options, Input& input, Io io) {
  input.options.format = FormatFor(options.format, options.input);
  input.options.delimiter = options.delimiter;
  if (options.encoding == "windows-1252") input.options.encoding = TableEncoding::Windows1252;
  if (options.input == "-") {
    input.stream = &io.in;
    return true;
  }
  input.file.open(PathFromUtf8(options.input), std::ios::binary);
  if (!input.file) return false;
  input.stream = &input.file;
  if (options.encoding.empty() && input.options.format == TableFormat::Csv &&
      !IsUtf8Stream(input.file)) {
    io.err << "korvale-cli: " << options.input << " is not UTF-8: read as Windows-1252\n";
    input.options.encoding = TableEncoding::Windows1252;
  }
  input.file.clear();
  input.file.seekg(0);
  return true;
}

// Copies the held file, through its own handle, to a new file at `path`,
// never over an existing one and never in part: a stop signal or a
// failure removes what was written. The problem, if any.
std::optional<std::string> Backup(PlayerFileState& file, const std::string& path) {
  const StopSignals signals;
  const std::string bytes = file.ReadBytes(0, static_cast<std::size_t>(file.FileLength()));
  ReplacingOutput out(PathFromUtf8(path), false);
  if (out.IsOpen()) out.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (StopSignals::Stopped()) return "stopped by a signal";
  if (out.Commit()) return std::nullopt;
  if (out.Error() == std::errc::file_exists) return "the backup " + path + " exists already";
  return "cannot write the backup " + path + ": " + out.Error().message();
}

void Summary(const ImportPlan& plan, const ImportOptions& options, Io io) {
  if (options.verbose) {
    for (const VerboseChange& change : plan.shown) io.out << DescribeChange(change) << '\n';
  }
  io.out << plan.spans.size() << " fields changed in " << plan.RecordsChanged() << " records\n";
  if (options.dryRun) io.out << "dry run: nothing was written\n";
}

}  // namespace

int ImportCommand(const ImportOptions& options, Io io) {
  if (!options.backup.empty() && std::filesystem::exists(PathFromUtf8(options.backup))) {
    io.err << "korvale-cli: the backup " << options.backup << " exists already\n";
    return kFailure;
  }
  if (FormatFor(options.format, options.input) == TableFormat::Json &&
      (options.delimiter != 0 || !options.encoding.empty())) {
    io.err << "korvale-cli: --delimiter and --encoding apply to CSV tables only\n";
    return kFailure;
  }
  Input input;
  if (!OpenInput(options, input, io)) {
    io.err << "korvale-cli: cannot read " << options.input << '\n';
    return kFailure;
  }
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, !options.dryRun, io.err);
  RecordSource source(file);
  const ImportPlan plan = PlanImport(*input.stream, input.options, source, options.verbose);
  if (!plan.ignoredColumns.empty()) {
    io.err << "korvale-cli: ignoring the derived columns";
    for (const std::string& c : plan.ignoredColumns) io.err << ' ' << c;
    io.err << '\n';
  }
  if (!plan.problems.empty()) {
    for (const Problem& p : plan.problems) io.err << FormatProblem(p) << '\n';
    io.err << "korvale-cli: nothing was written\n";
    return kFindings;
  }
  if (!options.dryRun && !plan.spans.empty()) {
    if (!options.backup.empty()) {
      if (const auto problem = Backup(file, options.backup)) {
        io.err << "korvale-cli: " << *problem << "; nothing was written\n";
        return kFailure;
      }
    }
    if (const int failed = WriteRecorded(file, history::Program::Import, plan.spans, io);
        failed != kSuccess) {
      return failed;
    }
  }
  file.ClosePlayerFile();  // after a dry run or nothing to write (Apply has closed it)
  Summary(plan, options, io);
  if (!io.out.flush() && !options.dryRun && !plan.spans.empty()) {
    io.err << "korvale-cli: the import was applied; only its summary could not be printed\n";
  }
  return kSuccess;
}

}  // namespace korvale::cli
