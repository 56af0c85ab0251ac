#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerFileBuilder.h"
#include "ProgramPipe.h"

namespace korvale::cli {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

// A temporary folder with a player file in it, and korvale-cli run on it
// in-process or as the built program.
class CliTest : public ::testing::Test {
 protected:
  Outcome Run(const std::vector<std::string>& args, const std::string& input = "");
  // Runs the built executable through the shell, with `input` on its
  // standard input.
  Outcome RunProgram(const std::string& arguments, const std::string& input = "",
                     const std::string& program = ProgramPath());

  std::string Make(const testing::PlayerFileBuilder& builder,
                   const std::string& name = "Players.dbf");
  std::string Write(const std::string& name, const std::string& text);
  // The UTF-8 path of a file in the folder, as the command line has it.
  [[nodiscard]] std::string Path(const std::string& name) const;

  testing::TempDir dir;
};

// The lines, each ended by a line feed.
std::string JoinLines(const std::vector<std::string>& lines);

// What korvale-cli says when another program holds the file: Windows
// calls it a sharing violation.
std::string HeldElsewhere(const std::string& path);

}  // namespace korvale::cli
