#include <fstream>
#include <iostream>

#include "Commands.h"
#include "TableExport.h"
#include "Utf8Path.h"

namespace korvale::cli {

int ExportCommand(const ExportOptions& options, Io io) {
  PlayerFileState file(io.files);
  file.OpenPlayerFile(options.file);
  const TableFormat format = FormatFor(options.format, options.output);
  if (options.output == "-") {
    ExportTable(file, io.out, format, options.derived);
    io.out.flush();
    return io.out ? kSuccess : kFailure;
  }
  std::ofstream out(PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
  if (out) ExportTable(file, out, format, options.derived);
  out.close();
  if (!out) {
    io.err << "korvale-cli: cannot write " << options.output << '\n';
    return kFailure;
  }
  return kSuccess;
}

}  // namespace korvale::cli
