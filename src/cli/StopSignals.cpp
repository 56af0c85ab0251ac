#include "StopSignals.h"

#include <csignal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvale::cli {
namespace {

volatile std::sig_atomic_t stopped = 0;

#ifdef _WIN32
BOOL WINAPI OnControl(DWORD) {
  stopped = 1;
  return TRUE;
}
#else
void OnSignal(int) { stopped = 1; }
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#endif

}  // namespace

StopSignals::StopSignals() {
  stopped = 0;
#ifdef _WIN32
  ::SetConsoleCtrlHandler(OnControl, TRUE);
#else
  for (const int s : kSignals) std::signal(s, OnSignal);
#endif
}

StopSignals::~StopSignals() {
#ifdef _WIN32
  ::SetConsoleCtrlHandler(OnControl, FALSE);
#else
  for (const int s : kSignals) std::signal(s, SIG_DFL);
#endif
}

bool StopSignals::Stopped() { return stopped != 0; }

}  // namespace korvale::cli
