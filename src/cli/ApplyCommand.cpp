#include <filesystem>
#include <ostream>

#include "ApplyPlan.h"
#include "ChangeHistory.h"
#include "Commands.h"
#include "RecordSource.h"
#include "TableSource.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

PatchMatch MatchNamed(const std::string& name) {
  if (name == "record") return PatchMatch::Record;
  if (name == "name") return PatchMatch::Name;
  return PatchMatch::Id;
}

std::string Fields(std::size_t n) { return std::to_string(n) + (n == 1 ? " field" : " fields"); }

void Summary(const ApplyPlan& plan, const ApplyOptions& options, Io io) {
  for (const FieldOutcome& outcome : plan.outcomes) {
    if (outcome.state == FieldState::Conflict && !options.force) {
      io.err << "korvale-cli: conflict: " << DescribeOutcome(outcome) << '\n';
    } else if (options.verbose) {
      io.out << DescribeOutcome(outcome) << '\n';
    }
  }
  const std::size_t conflicts = plan.Count(FieldState::Conflict);
  io.out << Fields(plan.Count(FieldState::Applied)) << " applied, "
         << plan.Count(FieldState::AlreadyApplied) << " already applied, " << conflicts
         << " in conflict" << (options.force && conflicts > 0 ? " (written over)" : "") << '\n';
}

bool Refused(const std::vector<Problem>& problems, Io io) {
  for (const Problem& p : problems) io.err << FormatProblem(p) << '\n';
  if (!problems.empty()) io.err << "korvale-cli: nothing was written\n";
  return !problems.empty();
}

int Write(PlayerFileState& file, const ApplyPlan& plan, const ApplyOptions& options, Io io) {
  if (!options.backup.empty()) {
    if (const auto problem = BackupRoster(file, options.backup)) {
      io.err << "korvale-cli: " << *problem << "; nothing was written\n";
      return kFailure;
    }
  }
  return WriteRecorded(file, history::Program::Apply, plan.spans, io);
}

}  // namespace

int ApplyCommand(const ApplyOptions& options, Io io) {
  if (!options.backup.empty() && std::filesystem::exists(PathFromUtf8(options.backup))) {
    io.err << "korvale-cli: the backup " << options.backup << " exists already\n";
    return kFailure;
  }
  TableSource input;
  if (!OpenTableSource({options.patch, "", 0, ""}, input, io)) return kFailure;
  const PatchInput patch = ReadPatch(*input.stream, input.options);
  if (Refused(patch.problems, io)) return kFindings;
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, !options.dryRun, io.err);
  RecordSource source(file);
  const ApplyPlan plan = PlanApply(
      patch, RosterImage::Read(file), source.Count(), source.Length(),
      {MatchNamed(options.match), options.force, input.options.format == TableFormat::Csv});
  if (Refused(plan.problems, io)) return kFindings;
  if (plan.Count(FieldState::Conflict) > 0 && !options.force) {
    Summary(plan, options, io);
    io.err << "korvale-cli: nothing was written (--force writes New over the conflicts)\n";
    return kFindings;
  }
  if (!options.dryRun && !plan.spans.empty()) {
    if (const int failed = Write(file, plan, options, io); failed != kSuccess) return failed;
  }
  file.ClosePlayerFile();  // after a dry run or nothing to write (the write has closed it)
  Summary(plan, options, io);
  if (options.dryRun) io.out << "dry run: nothing was written\n";
  return kSuccess;
}

}  // namespace korvale::cli
