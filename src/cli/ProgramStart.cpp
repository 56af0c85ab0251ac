#include "ProgramStart.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <cstdio>
#include <memory>

#include "Utf8Path.h"
#else
#include <csignal>
#include <cstdlib>
#include <string>

#include "KillingFileSystem.h"
#endif

namespace korvale::cli {

#ifdef _WIN32

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> wide(
      ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(Utf8FromPath(wide.get()[i]));
  return args;
}

void UseBinaryStandardStreams() {
  ::_setmode(::_fileno(stdin), _O_BINARY);
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
}

void IgnoreBrokenPipeSignal() {}

FileSystem& ProgramFileSystem() { return SystemFileSystem(); }

#else

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void UseBinaryStandardStreams() {}

void IgnoreBrokenPipeSignal() { std::signal(SIGPIPE, SIG_IGN); }

FileSystem& ProgramFileSystem() {
  const char* killAfter = std::getenv("KORVALE_TEST_KILL_AFTER");
  if (killAfter == nullptr) return SystemFileSystem();
  static KillingFileSystem killing(SystemFileSystem(), std::strtoll(killAfter, nullptr, 10));
  return killing;
}

#endif

}  // namespace korvale::cli
