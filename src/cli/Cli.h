#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "FileSystem.h"

namespace korvale::cli {

// Runs korvale-cli with these arguments (the program name not included)
// and returns its exit status.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);
// The same over another file system (tests make its calls fail).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, FileSystem& files);

}  // namespace korvale::cli
