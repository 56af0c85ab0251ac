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

// The system's file system; for tests on POSIX systems, one that kills the
// process after as many file-layer calls as KORVALE_TEST_KILL_AFTER says,
// when that is set.
[[nodiscard]] FileSystem& ProgramFileSystem();

}  // namespace korvale::cli
