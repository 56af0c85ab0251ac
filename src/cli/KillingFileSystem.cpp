#include "KillingFileSystem.h"

#include <csignal>

namespace korvale::cli {

SysResult KillingFileSystem::Counted(SysResult result) {
#ifndef _WIN32
  if (--left_ == 0) std::raise(SIGKILL);
#endif
  return result;
}

}  // namespace korvale::cli
