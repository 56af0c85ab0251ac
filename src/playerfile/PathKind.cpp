#include "PathKind.h"

#include <filesystem>
#include <system_error>

#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include <cerrno>
#endif

namespace korvale {
namespace {

#ifdef _WIN32

// A regular file's kind, from a handle to it that follows no reparse point.
PathKind KindOfFile(const std::string& path) {
  const HANDLE h = ::CreateFileW(PathFromUtf8(path).c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) return PathKind::Other;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool disk = ::GetFileType(h) == FILE_TYPE_DISK;
  const bool known = ::GetFileInformationByHandle(h, &info) != 0;
  ::CloseHandle(h);
  if (!disk) return PathKind::Device;
  if (!known) return PathKind::Other;
  return info.nNumberOfLinks > 1 ? PathKind::HardLinked : PathKind::Regular;
}

PathKind Look(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(PathFromUtf8(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    const bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return absent ? PathKind::None : PathKind::Other;
  }
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return PathKind::Link;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::Folder;
  return KindOfFile(path);
}

#else

PathKind Look(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? PathKind::None : PathKind::Other;
  }
  if (S_ISLNK(st.st_mode)) return PathKind::Link;
  if (S_ISREG(st.st_mode)) return st.st_nlink > 1 ? PathKind::HardLinked : PathKind::Regular;
  if (S_ISDIR(st.st_mode)) return PathKind::Folder;
  if (S_ISFIFO(st.st_mode)) return PathKind::Fifo;
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return PathKind::Device;
  return PathKind::Other;
}

#endif

}  // namespace

PathKind KindAt(const std::string& path) { return Look(path); }

std::string_view DescribeKind(PathKind kind) {
  switch (kind) {
    case PathKind::None: return "missing";
    case PathKind::Regular: return "a regular file";
    case PathKind::HardLinked: return "a hard link (a file with more than one name)";
    case PathKind::Link: return "a symbolic link";
    case PathKind::Fifo: return "a FIFO";
    case PathKind::Device: return "a device";
    case PathKind::Folder: return "a folder";
    case PathKind::Other: break;
  }
  return "not a regular file";
}

std::uintmax_t NamesOf(const std::string& path) {
  std::error_code error;
  const std::uintmax_t names = std::filesystem::hard_link_count(PathFromUtf8(path), error);
  return error ? 0 : names;
}

}  // namespace korvale
