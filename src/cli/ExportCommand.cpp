#include <filesystem>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "RecordSource.h"
#include "TableExport.h"
#include "Utf8Path.h"

namespace korvale::cli {

int ExportCommand(const ExportOptions& options, Io io) {
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  const TableFormat format = FormatFor(options.format, options.output);
  if (options.output == "-") {
    ExportTable(file, io.out, format, options.derived);
    file.ClosePlayerFile();
    io.out.flush();
    return io.out ? kSuccess : kFailure;
  }
  std::ofstream out(PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
  try {
    if (out) ExportTable(file, out, format, options.derived);
  } catch (const FileError&) {
    // A table cut off by a file error is never left to pass for a whole one.
    out.close();
    std::filesystem::remove(PathFromUtf8(options.output));
    throw;
  }
  out.close();
  file.ClosePlayerFile();
  if (!out) {
    io.err << "korvale-cli: cannot write " << options.output << '\n';
    return kFailure;
  }
  return kSuccess;
}

}  // namespace korvale::cli
