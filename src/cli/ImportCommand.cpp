#include <filesystem>
#include <fstream>

#include "ChangeHistory.h"
#include "Commands.h"
#include "ImportPlan.h"
#include "RecordSource.h"
#include "ReplacingOutput.h"
#include "RollbackJournal.h"
#include "SpanRuns.h"
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
// never over an existing one and never in part. The problem, if any.
std::optional<std::string> Backup(PlayerFileState& file, const std::string& path) {
  const std::string bytes = file.ReadBytes(0, static_cast<std::size_t>(file.FileLength()));
  ReplacingOutput out(PathFromUtf8(path), false);
  if (out.IsOpen()) out.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out.Commit()) return std::nullopt;
  if (out.Error() == std::errc::file_exists) return "the backup " + path + " exists already";
  return "cannot write the backup " + path + ": " + out.Error().message();
}

void Summary(const ImportPlan& plan, const ImportOptions& options, Io io) {
  if (options.verbose) {
    for (const Change& change : plan.changes) io.out << DescribeChange(change) << '\n';
  }
  io.out << plan.changes.size() << " fields changed in " << plan.RecordsChanged() << " records\n";
  if (options.dryRun) io.out << "dry run: nothing was written\n";
}

// The spans the plan writes, with the bytes they replace read at once.
std::vector<Span> SpansOf(PlayerFileState& file, const ImportPlan& plan) {
  std::vector<Span> spans;
  spans.reserve(plan.changes.size());
  for (const Change& change : plan.changes) {
    spans.push_back({Field(change.field).OffsetIn(change.record), {}, change.stored});
  }
  ReadOldBytes(file, spans);
  return spans;
}

// What a failed write left, as the user needs to hear it.
const char* Left(SpansLeft left) {
  switch (left) {
    case SpansLeft::Unchanged: break;
    case SpansLeft::Applied:
      return "the import was applied; only its journal could not be deleted (the next command "
             "deletes it)";
    case SpansLeft::UndoPending:
      return "the import could not be undone here: the next korvale-cli command on the roster, "
             "or selecting it in the editor, undoes it";
  }
  return "nothing was changed";
}

// Records the changes in the roster's history, then writes every change
// all or nothing and closes the file. A file error or a
// stop signal undoes what was written. A failing close may have lost what
// was written, so it is reported like a failing write.
int Apply(PlayerFileState& file, const ImportPlan& plan, Io io) {
  const StopSignals signals;
  bool applied = false;
  try {
    const std::vector<Span> spans = SpansOf(file, plan);
    RecordChanges(file.FilePath(), history::Program::Import, spans, io.err);
    applied = WriteSpansAllOrNothing(file, spans, &StopSignals::Stopped);
    file.ClosePlayerFile();
  } catch (const SpanWriteError& e) {
    io.err << "korvale-cli: " << e.Message() << '\n' << Left(e.Left()) << '\n';
    return kFailure;
  } catch (const FileError& e) {
    io.err << "korvale-cli: " << e.Message() << '\n'
           << (applied ? "the import was written and flushed to the disk before the close failed"
                       : "nothing was changed")
           << '\n';
    return kFailure;
  }
  if (!applied) {
    io.err << "korvale-cli: stopped by a signal: nothing was changed\n";
    return kFailure;
  }
  return kSuccess;
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
  const ImportPlan plan = PlanImport(*input.stream, input.options, source);
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
  if (!options.dryRun && !plan.changes.empty()) {
    if (!options.backup.empty()) {
      if (const auto problem = Backup(file, options.backup)) {
        io.err << "korvale-cli: " << *problem << "; nothing was written\n";
        return kFailure;
      }
    }
    if (const int failed = Apply(file, plan, io); failed != kSuccess) return failed;
  }
  file.ClosePlayerFile();  // after a dry run or nothing to write (Apply has closed it)
  Summary(plan, options, io);
  if (!io.out.flush() && !options.dryRun && !plan.changes.empty()) {
    io.err << "korvale-cli: the import was applied; only its summary could not be printed\n";
  }
  return kSuccess;
}

}  // namespace korvale::cli
