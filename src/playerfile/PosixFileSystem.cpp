// The file system seam on POSIX systems. Exclusive access is an advisory
// lock (flock) on the open descriptor: every Korvale process takes it, so
// no two of them hold the same file.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "FileSystem.h"

namespace korvale {
namespace {

FileErrorCause CauseOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return FileErrorCause::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EEXIST:
    case ELOOP: return FileErrorCause::AccessDenied;
    case EWOULDBLOCK: return FileErrorCause::SharingViolation;
    case EIO: return FileErrorCause::HardwareIo;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileErrorCause::DiskFull;
    case EBADF: return FileErrorCause::InvalidHandle;
    default: return FileErrorCause::Unknown;
  }
}

SysResult FromErrno() { return SysResult::Failure(CauseOf(errno)); }

// Opens an existing regular file with `access` and takes the flock `hold`
// without waiting.
SysResult OpenHeld(const std::string& path, int access, int hold) {
  // O_NONBLOCK keeps a pipe or device from blocking the open; it is
  // refused as not a regular file right after.
  const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FromErrno();
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return SysResult::Failure(FileErrorCause::AccessDenied);
  }
  if (::flock(fd, hold | LOCK_NB) != 0) {
    const SysResult failure = FromErrno();
    ::close(fd);
    return failure;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return SysResult::Value(fd);
}

// Opens a regular file with one link for reading, without following a
// link (O_NOFOLLOW) or blocking on a FIFO.
SysResult OpenOwnFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return errno == ELOOP ? SysResult::Failure(FileErrorCause::AccessDenied) : FromErrno();
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1) {
    ::close(fd);
    return SysResult::Failure(FileErrorCause::AccessDenied);
  }
  return SysResult::Value(fd);
}

// Renames `from` to `to` unless something stands there: a rename that
// refuses to replace, or where the file system has none, a new link to the
// file and the old name's removal.
SysResult RenameWhereNothingIs(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return SysResult::Value(0);
  if (errno != EINVAL && errno != ENOSYS) return FromErrno();
#endif
  if (::link(from, to) != 0) return FromErrno();
  ::unlink(from);
  return SysResult::Value(0);
}

class PosixFileSystem final : public FileSystem {
 public:
  SysResult Open(const std::string& path) override { return OpenHeld(path, O_RDWR, LOCK_EX); }

  SysResult OpenShared(const std::string& path) override {
    return OpenHeld(path, O_RDONLY, LOCK_SH);
  }

  SysResult OpenOwn(const std::string& path) override { return OpenOwnFile(path); }

  SysResult Seek(int handle, std::uint64_t offset) override {
    if (::lseek(handle, static_cast<off_t>(offset), SEEK_SET) < 0) return FromErrno();
    return SysResult::Value(static_cast<std::int64_t>(offset));
  }

  SysResult Read(int handle, char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      const ssize_t got = ::read(handle, buffer + done, n - done);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return FromErrno();
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    return SysResult::Value(static_cast<std::int64_t>(done));
  }

  SysResult Write(int handle, const char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      const ssize_t put = ::write(handle, buffer + done, n - done);
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) return FromErrno();
      if (put == 0) break;
      done += static_cast<std::size_t>(put);
    }
    return SysResult::Value(static_cast<std::int64_t>(done));
  }

  SysResult Length(int handle) override {
    struct stat st {};
    if (::fstat(handle, &st) != 0) return FromErrno();
    return SysResult::Value(st.st_size);
  }

  SysResult Close(int handle) override {
    if (::close(handle) != 0) return FromErrno();
    return SysResult::Value(0);
  }

  SysResult Sync(int handle) override {
    if (::fsync(handle) != 0) return FromErrno();
    return SysResult::Value(0);
  }

  SysResult Create(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return FromErrno();
    return SysResult::Value(fd);
  }

  SysResult OpenToWrite(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return FromErrno();
    return SysResult::Value(fd);
  }

  SysResult Rename(const std::string& from, const std::string& to, bool replace) override {
    if (!replace) return RenameWhereNothingIs(from.c_str(), to.c_str());
    if (::rename(from.c_str(), to.c_str()) != 0) return FromErrno();
    return SysResult::Value(0);
  }

  SysResult Remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0) return FromErrno();
    return SysResult::Value(0);
  }

  SysResult SyncFolder(const std::string& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FromErrno();
    const int synced = ::fsync(fd);
    const SysResult result = synced == 0 ? SysResult::Value(0) : FromErrno();
    ::close(fd);
    return result;
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem system;
  return system;
}

}  // namespace korvale
