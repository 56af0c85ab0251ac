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
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
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

bool StandardOutputIs(const std::string& path) {
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == INVALID_HANDLE_VALUE || out == nullptr || ::GetFileType(out) != FILE_TYPE_DISK) {
    return false;
  }
  const HANDLE file = ::CreateFileW(PathFromUtf8(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{};
  BY_HANDLE_FILE_INFORMATION b{};
  const bool known =
      ::GetFileInformationByHandle(out, &a) && ::GetFileInformationByHandle(file, &b);
  ::CloseHandle(file);
  return known && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
         a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

#else

std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void UseBinaryStandardStreams() {}

void IgnoreBrokenPipeSignal() { std::signal(SIGPIPE, SIG_IGN); }

bool StandardOutputIs(const std::string& path) {
  struct stat out {};
  struct stat file {};
  return ::fstat(STDOUT_FILENO, &out) == 0 && S_ISREG(out.st_mode) &&
         ::stat(path.c_str(), &file) == 0 && out.st_dev == file.st_dev && out.st_ino == file.st_ino;
}

#endif

}  // namespace korvale::cli
