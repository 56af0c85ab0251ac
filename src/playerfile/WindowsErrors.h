#pragma once

#include "FileError.h"

namespace korvale {

// The cause of a failed Windows file call, from its GetLastError code.
[[nodiscard]] FileErrorCause CauseOfWindowsError(unsigned long code);

}  // namespace korvale
