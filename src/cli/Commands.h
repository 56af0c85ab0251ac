#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "FileSystem.h"
#include "SampleRoster.h"

namespace korvale::cli {

struct Io {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  FileSystem& files;
};

// 0: success, or nothing found; 1: findings, differences or rejected
// input; 2: usage or file errors.
enum ExitCode : int { kSuccess = 0, kFindings = 1, kFailure = 2 };

// The file errors of the player file layer end a command here and are
// reported on the error stream.
int ListCommand(const std::string& file, Io io);

struct ShowOptions {
  std::string file;
  std::optional<std::int64_t> record;
  std::optional<std::int64_t> id;
};
int ShowCommand(const ShowOptions& options, Io io);

struct ExportOptions {
  std::string file;
  std::string format;
  std::string output = "-";
  char delimiter = 0;  // 0: a comma
  bool derived = false;
  bool labels = false;
  bool excel = false;
};
int ExportCommand(const ExportOptions& options, Io io);

struct ImportOptions {
  std::string file;
  std::string input;
  std::string format;
  std::string backup;
  char delimiter = 0;    // 0: from the header line
  std::string encoding;  // "", "utf-8" or "windows-1252"
  bool dryRun = false;
  bool verbose = false;
};
int ImportCommand(const ImportOptions& options, Io io);

int CheckCommand(const std::string& file, Io io);
int DiffCommand(const std::string& fileA, const std::string& fileB, Io io);

// A patch to write: one row per changed field, as a table like `export`'s.
struct PatchOptions {
  bool patch = false;
  std::string output = "-";
  std::string format;
  char delimiter = 0;  // 0: a comma
  bool labels = false;
  bool excel = false;
};
int DiffPatchCommand(const std::string& fileA, const std::string& fileB,
                     const PatchOptions& options, Io io);

struct HistoryOptions {
  std::string file;
  std::optional<std::int64_t> since;  // seconds since the epoch
  std::optional<std::uint64_t> id;    // one change set
  std::string format = "text";
  PatchOptions patch;
};
// The chosen change sets as one patch.
int HistoryPatchCommand(const HistoryOptions& options, Io io);

struct ApplyOptions {
  std::string file;
  std::string patch;
  std::string match = "id";  // "id", "record" or "name"
  std::string backup;
  bool dryRun = false;
  bool verbose = false;
  bool force = false;
};
int ApplyCommand(const ApplyOptions& options, Io io);
int HistoryCommand(const HistoryOptions& options, Io io);

// Exactly one of last, id and since chooses the change sets.
struct UndoOptions {
  std::string file;
  std::optional<std::int64_t> last;
  std::optional<std::uint64_t> id;
  std::optional<std::int64_t> since;
  bool dryRun = false;
  bool force = false;
};
int UndoCommand(const UndoOptions& options, Io io);

struct SampleOptions {
  std::string output;
  int players = kSamplePlayers;
  std::uint64_t seed = kSampleSeed;
  bool force = false;
};
int SampleCommand(const SampleOptions& options, Io io);

}  // namespace korvale::cli
