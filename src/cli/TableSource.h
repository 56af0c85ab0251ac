#pragma once

#include <fstream>
#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "PlayerFileState.h"
#include "TableInput.h"

namespace korvale::cli {

struct Io;

// A table to read as the command line names it.
struct TableRequest {
  std::string input;     // a file, or - for standard input
  std::string format;    // "", "csv" or "json"
  char delimiter = 0;    // 0: from the header line
  std::string encoding;  // "", "utf-8" or "windows-1252"
};

// The table to read: standard input, or the file, whose encoding is
// decided by one pass over it unless the request names it.
struct TableSource {
  std::ifstream file;
  std::istream* stream = nullptr;
  TableOptions options;
};

// Opens the table, saying on io.err what keeps it from being read (or
// that a file is read as Windows-1252); false when it cannot be read.
bool OpenTableSource(const TableRequest& request, TableSource& source, Io io);

// Copies the held file, through its own handle, to a new file at `path`,
// never over an existing one and never in part: a stop signal or a
// failure removes what was written. The problem, if any.
[[nodiscard]] std::optional<std::string> BackupRoster(PlayerFileState& file,
                                                      const std::string& path);

// Writes a table to standard output ("-") or replaces `path` with it when
// complete, never in place of a player file. False, said on io.err, when
// it is not written.
bool WriteTableTo(const std::string& path, const std::function<void(std::ostream&)>& write, Io io);

}  // namespace korvale::cli
