#include "ProgramPipe.h"

#include <stdexcept>
#include <utility>

#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace korvale::cli {

#ifdef _WIN32

// korvale-cli.exe lies beside the test program: found at run time, the
// tests run from any folder and on any Windows.
std::string ProgramPath() {
  wchar_t self[MAX_PATH];
  const DWORD size = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  return Utf8FromPath(std::filesystem::path(std::wstring(self, size)).parent_path() /
                      L"korvale-cli.exe");
}

std::string TestProgramPath() {
  return Utf8FromPath(PathFromUtf8(ProgramPath()).parent_path() / L"korvale-cli-test.exe");
}

// The command goes to the shell as UTF-16, so names outside the ANSI code
// page arrive intact.
ProgramPipe::ProgramPipe(const std::string& command)
    : stream_(::_wpopen(PathFromUtf8(command).c_str(), L"rb")) {
  if (stream_ == nullptr) throw std::runtime_error("cannot run " + command);
}

ProgramPipe::~ProgramPipe() {
  if (stream_ != nullptr) ::_pclose(stream_);
}

int ProgramPipe::ExitCode() { return ::_pclose(std::exchange(stream_, nullptr)); }

#else

std::string ProgramPath() { return KORVALE_CLI_PATH; }

std::string TestProgramPath() { return KORVALE_CLI_TEST_PATH; }

ProgramPipe::ProgramPipe(const std::string& command) : stream_(::popen(command.c_str(), "r")) {
  if (stream_ == nullptr) throw std::runtime_error("cannot run " + command);
}

ProgramPipe::~ProgramPipe() {
  if (stream_ != nullptr) ::pclose(stream_);
}

int ProgramPipe::ExitCode() {
  const int status = ::pclose(std::exchange(stream_, nullptr));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace korvale::cli
