// The file checks on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileChecks.h"

namespace korvale {

// Any failure is the file's absence when nothing stands at the path, else
// a refusal; a FIFO or device does not block the open.
std::optional<FileErrorCause> CannotOpenForReading(const std::string& path) {
  struct stat info {};
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return ::stat(path.c_str(), &info) != 0 ? FileErrorCause::NotFound
                                            : FileErrorCause::AccessDenied;
  }
  const bool folder = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
  ::close(fd);
  if (folder) return FileErrorCause::AccessDenied;
  return std::nullopt;
}

bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (::access(path.c_str(), R_OK) != 0) return false;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace korvale
