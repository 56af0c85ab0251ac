#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvale::cli {

// Runs korvale-cli with these arguments (the program name not included)
// and returns its exit status.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace korvale::cli
