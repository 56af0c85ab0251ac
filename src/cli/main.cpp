#include <iostream>

#include "Cli.h"
#include "ProgramStart.h"

#ifdef KORVALE_TEST_HOOKS
#include <cstdlib>

#include "KillingFileSystem.h"
#endif

namespace {

// The system's file system. In the test build of the program only, one
// that kills the process after as many file-layer calls as
// KORVALE_TEST_KILL_AFTER says, when that is set.
korvale::FileSystem& ProgramFileSystem() {
#ifdef KORVALE_TEST_HOOKS
  if (const char* killAfter = std::getenv("KORVALE_TEST_KILL_AFTER")) {
    static korvale::cli::KillingFileSystem killing(korvale::SystemFileSystem(),
                                                   std::strtoll(killAfter, nullptr, 10));
    return killing;
  }
#endif
  return korvale::SystemFileSystem();
}

}  // namespace

int main(int argc, char** argv) {
  korvale::cli::UseBinaryStandardStreams();
  korvale::cli::IgnoreBrokenPipeSignal();
  std::ios::sync_with_stdio(false);
  return korvale::cli::RunCli(korvale::cli::ProgramArguments(argc, argv), std::cin, std::cout,
                              std::cerr, ProgramFileSystem());
}
