#pragma once

#include <string>
#include <vector>

#include "FileSystem.h"

namespace korvale::cli {

// The arguments after the program name, as UTF-8 text on every system (on
// Windows taken from the UTF-16 command line, not the ANSI code page).
[[nodiscard]] std::vector<std::string> ProgramArguments(int argc, char** argv);

// The standard streams carry bytes: no line-end translation (in text mode
// Windows turns LF into CR LF and stops reading at a Ctrl-Z byte), so
// exports, imports and messages are the same bytes on every system.
void UseBinaryStandardStreams();

// A closed pipe on standard output is a write error the command sees and
// ends on quietly, not a signal that kills it midway (no effect on Windows,
// which has no such signal).
void IgnoreBrokenPipeSignal();

// Whether standard output is the file at `path` (the same file, by device
// and inode, or by volume and file index on Windows).
[[nodiscard]] bool StandardOutputIs(const std::string& path);

}  // namespace korvale::cli
