#include "ReadOnlyFiles.h"

#include <fcntl.h>

namespace korvale::testing {

SysResult ReadOnlyFiles::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SysResult::Failure(FileErrorCause::NotFound);
  return SysResult::Value(fd);
}

SysResult ReadOnlyFiles::Seek(int handle, std::uint64_t offset) {
  return SystemFileSystem().Seek(handle, offset);
}

SysResult ReadOnlyFiles::Read(int handle, char* buffer, std::size_t n) {
  return SystemFileSystem().Read(handle, buffer, n);
}

SysResult ReadOnlyFiles::Write(int, const char*, std::size_t) {
  return SysResult::Failure(FileErrorCause::AccessDenied);
}

SysResult ReadOnlyFiles::Length(int handle) { return SystemFileSystem().Length(handle); }

SysResult ReadOnlyFiles::Close(int handle) { return SystemFileSystem().Close(handle); }

}  // namespace korvale::testing
