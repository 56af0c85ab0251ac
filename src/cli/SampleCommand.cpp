#include <ostream>

#include "Commands.h"
#include "Utf8Path.h"

namespace korvale::cli {

// PlayerId has four digits: beyond this many players the ids start over.
constexpr int kDistinctIds = 9999;

int SampleCommand(const SampleOptions& options, Io io) {
  if (options.players > kDistinctIds) {
    io.err
        << "korvale-cli: beyond 9,999 players the player ids repeat (PlayerId has four digits)\n";
  }
  if (options.output == "-") {
    return WriteSampleRoster(io.out, options.players, options.seed) ? kSuccess : kFailure;
  }
  switch (WriteSampleRoster(PathFromUtf8(options.output), options.players, options.seed,
                            options.force)) {
    case SampleWrite::Created: return kSuccess;
    case SampleWrite::Exists:
      io.err << "korvale-cli: " << options.output << " exists; use --force to overwrite it\n";
      return kFailure;
    case SampleWrite::Failed: break;
  }
  io.err << "korvale-cli: cannot write " << options.output << '\n';
  return kFailure;
}

}  // namespace korvale::cli
