#pragma once

namespace korvale::cli {

// While it lives, Ctrl-C, SIGTERM and SIGHUP (on Windows: Ctrl-C,
// Ctrl-Break and closing the console) only set a flag, asked by Stopped();
// after the first, further ones are ignored.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  static bool Stopped();
};

}  // namespace korvale::cli
