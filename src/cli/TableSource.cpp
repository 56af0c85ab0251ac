#include "TableSource.h"

#include "Commands.h"
#include "ReplacingOutput.h"
#include "StopSignals.h"
#include "Utf8Path.h"
#include "VisibleText.h"

namespace korvale::cli {

bool OpenTableSource(const TableRequest& request, TableSource& source, Io io) {
  source.options.format = FormatFor(request.format, request.input);
  source.options.delimiter = request.delimiter;
  if (source.options.format == TableFormat::Json &&
      (request.delimiter != 0 || !request.encoding.empty())) {
    io.err << "korvale-cli: --delimiter and --encoding apply to CSV tables only\n";
    return false;
  }
  if (request.encoding == "windows-1252") source.options.encoding = TableEncoding::Windows1252;
  if (request.input == "-") {
    source.stream = &io.in;
    return true;
  }
  source.file.open(PathFromUtf8(request.input), std::ios::binary);
  if (!source.file) {
    io.err << "korvale-cli: cannot read " << VisibleText(request.input) << '\n';
    return false;
  }
  source.stream = &source.file;
  if (request.encoding.empty() && source.options.format == TableFormat::Csv &&
      !IsUtf8Stream(source.file)) {
    io.err << "korvale-cli: " << VisibleText(request.input)
           << " is not UTF-8: read as Windows-1252\n";
    source.options.encoding = TableEncoding::Windows1252;
  }
  source.file.clear();
  source.file.seekg(0);
  return true;
}

std::optional<std::string> BackupRoster(PlayerFileState& file, const std::string& path) {
  const StopSignals signals;
  const std::string bytes = file.ReadBytes(0, static_cast<std::size_t>(file.FileLength()));
  ReplacingOutput out(PathFromUtf8(path), false, file.System());
  if (out.IsOpen()) out.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (StopSignals::Stopped()) return "stopped by a signal";
  if (out.Commit()) return std::nullopt;
  const std::string shown = VisibleText(path);
  if (out.Error() == std::errc::file_exists) return "the backup " + shown + " exists already";
  return "cannot write the backup " + shown + ": " + out.Error().message();
}

bool WriteTableTo(const std::string& path, const std::function<void(std::ostream&)>& write, Io io) {
  if (path == "-") {
    write(io.out);
    return static_cast<bool>(io.out.flush());
  }
  const std::string shown = VisibleText(path);
  if (HoldsPlayerFile(PathFromUtf8(path))) {
    io.err << "korvale-cli: " << shown << " is a player file; a table never replaces a roster\n";
    return false;
  }
  ReplacingOutput out(PathFromUtf8(path), true, io.files);
  if (out.IsOpen()) write(out.Stream());
  if (out.Commit()) return true;
  if (out.Error() == std::errc::is_a_directory) {
    io.err << "korvale-cli: " << shown << " is a folder; nothing was written\n";
  } else {
    io.err << "korvale-cli: cannot write " << shown << ": " << out.Error().message() << '\n';
  }
  return false;
}

}  // namespace korvale::cli
