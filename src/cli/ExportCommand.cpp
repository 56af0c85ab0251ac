#include <filesystem>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "TableExport.h"
#include "Utf8Path.h"

namespace korvale::cli {

int ExportCommand(const ExportOptions& options, Io io) {
  PlayerFileState file(io.files);
  file.OpenPlayerFile(options.file);
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
  std::ofstream out(PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
  try {
    if (out) ExportTable(file, out, style);
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
