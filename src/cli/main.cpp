#include <iostream>

#include "Cli.h"
#include "ProgramStart.h"

int main(int argc, char** argv) {
  korvale::cli::UseBinaryStandardStreams();
  korvale::cli::IgnoreBrokenPipeSignal();
  std::ios::sync_with_stdio(false);
  return korvale::cli::RunCli(korvale::cli::ProgramArguments(argc, argv), std::cin, std::cout,
                              std::cerr, korvale::cli::ProgramFileSystem());
}
