#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "RecordSource.h"
#include "ReplacingOutput.h"
#include "TableExport.h"
#include "Utf8Path.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

// A table never takes the place of a roster: not of the one exported, by
// any path or link, nor of any other.
std::optional<std::string> RefusedOutput(const ExportOptions& options) {
  const std::filesystem::path output = PathFromUtf8(options.output);
  const std::string shown = VisibleText(options.output);
  if (IsSameFile(output, PathFromUtf8(options.file))) {
    return shown + " is the roster being exported; nothing was written";
  }
  if (HoldsPlayerFile(output)) {
    return shown + " is a player file; a table never replaces a roster";
  }
  return std::nullopt;
}

}  // namespace

int ExportCommand(const ExportOptions& options, Io io) {
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  WarnIfCutShort(file, io.err);
  const TableStyle style{FormatFor(options.format, options.output), options.derived, options.labels,
                         options.excel, options.delimiter != 0 ? options.delimiter : ','};
  if (style.format == TableFormat::Json && (options.excel || options.delimiter != 0)) {
    io.err << "korvale-cli: --excel and --delimiter apply to CSV tables only\n";
    return kFailure;
  }
  if (options.output == "-") {
    ExportTable(file, io.out, style);
    file.ClosePlayerFile();
    io.out.flush();
    return io.out ? kSuccess : kFailure;
  }
  if (const std::optional<std::string> refused = RefusedOutput(options)) {
    io.err << "korvale-cli: " << *refused << '\n';
    return kFailure;
  }
  // A table cut off by a file error or an interruption never passes for a
  // whole one: it replaces the old file only when complete.
  ReplacingOutput out(PathFromUtf8(options.output), true, io.files);
  if (out.IsOpen()) ExportTable(file, out.Stream(), style);
  file.ClosePlayerFile();
  if (!out.Commit()) {
    const std::string shown = VisibleText(options.output);
    if (out.Error() == std::errc::is_a_directory) {
      io.err << "korvale-cli: " << shown << " is a folder; nothing was written\n";
    } else {
      io.err << "korvale-cli: cannot write " << shown << ": " << out.Error().message() << '\n';
    }
    return kFailure;
  }
  return kSuccess;
}

}  // namespace korvale::cli
