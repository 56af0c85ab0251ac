#pragma once

#include <string>
#include <vector>

namespace korvale::cli {

// The arguments after the program name, as UTF-8 text on every system (on
// Windows taken from the UTF-16 command line, not the ANSI code page).
[[nodiscard]] std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard input and output carry bytes: no line-end translation (Windows
// turns LF into CR LF and stops reading at Ctrl-Z in text mode).
void UseBinaryStandardStreams();

}  // namespace korvale::cli
