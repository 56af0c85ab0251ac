#pragma once

#include <cstdio>
#include <string>

namespace korvale::cli {

// The built korvale-cli, as a command for the system's shell.
[[nodiscard]] std::string ProgramPath();
// The test build of korvale-cli, which obeys the KORVALE_TEST_* settings.
[[nodiscard]] std::string TestProgramPath();

// A shell command (UTF-8) whose standard output is read through a pipe.
class ProgramPipe {
 public:
  explicit ProgramPipe(const std::string& command);
  ~ProgramPipe();
  ProgramPipe(const ProgramPipe&) = delete;
  ProgramPipe& operator=(const ProgramPipe&) = delete;

  [[nodiscard]] std::FILE* Stream() const { return stream_; }
  // Waits for the command; its exit status, or -1 when it did not exit.
  int ExitCode();

 private:
  std::FILE* stream_;
};

}  // namespace korvale::cli
