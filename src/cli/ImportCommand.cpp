#include <filesystem>

#include "ChangeHistory.h"
#include "Commands.h"
#include "ImportPlan.h"
#include "RecordSource.h"
#include "TableSource.h"
#include "Utf8Path.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

void Summary(const ImportPlan& plan, const ImportOptions& options, Io io) {
  if (options.verbose) {
    for (const VerboseChange& change : plan.shown) io.out << DescribeChange(change) << '\n';
  }
  io.out << plan.fieldsChanged << " fields changed in " << plan.RecordsChanged() << " records\n";
  if (options.dryRun) io.out << "dry run: nothing was written\n";
}

}  // namespace

int ImportCommand(const ImportOptions& options, Io io) {
  if (!options.backup.empty() && std::filesystem::exists(PathFromUtf8(options.backup))) {
    io.err << "korvale-cli: the backup " << VisibleText(options.backup) << " exists already\n";
    return kFailure;
  }
  TableSource input;
  if (!OpenTableSource({options.input, options.format, options.delimiter, options.encoding}, input,
                       io)) {
    return kFailure;
  }
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, !options.dryRun, io.err);
  RecordSource source(file);
  ProblemReport problems(io.err);
  const ImportPlan plan =
      PlanImport(*input.stream, input.options, source, problems, options.verbose);
  if (!plan.unreadable.empty()) {
    io.err << "korvale-cli: cannot read " << VisibleText(options.input) << ": " << plan.unreadable
           << "; nothing was written\n";
    return kFailure;
  }
  if (!plan.ignoredColumns.empty()) {
    io.err << "korvale-cli: ignoring the derived columns";
    for (const std::string& c : plan.ignoredColumns) io.err << ' ' << c;
    io.err << '\n';
  }
  if (plan.problems > 0) {
    problems.Finish();
    io.err << "korvale-cli: nothing was written\n";
    return kFindings;
  }
  if (!options.dryRun && !plan.spans.empty()) {
    if (!options.backup.empty()) {
      if (const auto problem = BackupRoster(file, options.backup)) {
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
