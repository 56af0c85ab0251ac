#include "ReadableHoldFileSystem.h"

#include <windows.h>

#include "Utf8Path.h"
#include "WindowsErrors.h"

namespace korvale::testing {

// As the system's Open, the same handle in the seam's int, but sharing
// reading and writing.
SysResult ReadableHoldFileSystem::Open(const std::string& path) {
  const HANDLE h = ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return SysResult::Failure(CauseOfWindowsError(::GetLastError()));
  return SysResult::Value(::HandleToLong(h));
}

}  // namespace korvale::testing
