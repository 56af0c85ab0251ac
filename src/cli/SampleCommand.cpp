#include <ostream>

#include "Commands.h"
#include "Utf8Path.h"

namespace korvale::cli {

int SampleCommand(const SampleOptions& options, Io io) {
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
