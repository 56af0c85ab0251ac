#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Commands.h"
#include "ImportPlan.h"
#include "OutputFile.h"
#include "RecordSource.h"
#include "TableFormat.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

std::optional<std::string> ReadInput(const std::string& path, std::istream& in) {
  std::ostringstream text;
  if (path == "-") {
    text << in.rdbuf();
    return text.str();
  }
  std::ifstream file(PathFromUtf8(path), std::ios::binary);
  if (!file) return std::nullopt;
  text << file.rdbuf();
  return text.str();
}

// Copies the held file, through its own handle, to a new file at `path`.
bool Backup(PlayerFileState& file, const std::string& path) {
  const std::string bytes = file.ReadBytes(0, static_cast<std::size_t>(file.FileLength()));
  OutputFile out = OpenOutputFile(PathFromUtf8(path), false);
  if (!out.file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.file.get()) == bytes.size();
  return CloseOutputFile(std::move(out.file)) && written;
}

void Summary(const ImportPlan& plan, const ImportOptions& options, Io io) {
  if (options.verbose) {
    for (const Change& change : plan.changes) io.out << DescribeChange(change) << '\n';
  }
  io.out << plan.changes.size() << " fields changed in " << plan.RecordsChanged() << " records\n";
  if (options.dryRun) io.out << "dry run: nothing was written\n";
}

// Writes every change and closes the file; on a file error says exactly
// which were written. A failing close may have lost what was written, so it
// is reported like a failing write. The plan has checked every change
// against the file's length.
int Apply(PlayerFileState& file, const ImportPlan& plan, Io io) {
  std::size_t written = 0;
  try {
    for (const Change& change : plan.changes) {
      file.WriteFieldInside(change.record, change.field, change.stored);
      ++written;
    }
    file.ClosePlayerFile();
  } catch (const FileError& e) {
    io.err << "korvale-cli: " << e.Message() << '\n'
           << written << " of " << plan.changes.size() << " changes were written"
           << (written > 0 ? ":" : "") << '\n';
    for (std::size_t i = 0; i < written; ++i) io.err << DescribeChange(plan.changes[i]) << '\n';
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
  const auto text = ReadInput(options.input, io.in);
  if (!text) {
    io.err << "korvale-cli: cannot read " << options.input << '\n';
    return kFailure;
  }
  PlayerFileState file(io.files);
  file.OpenPlayerFile(options.file);
  const TableFormat format = FormatFor(options.format, options.input);
  const InputTable table = format == TableFormat::Csv ? ReadCsvTable(*text) : ReadJsonTable(*text);
  RecordSource source(file);
  const ImportPlan plan = PlanImport(table, source);
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
    if (!options.backup.empty() && !Backup(file, options.backup)) {
      io.err << "korvale-cli: cannot write the backup " << options.backup << '\n';
      return kFailure;
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
