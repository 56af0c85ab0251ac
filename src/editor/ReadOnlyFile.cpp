#include "ReadOnlyFile.h"

#ifdef _WIN32
#include <filesystem>

#include "Utf8Path.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvale {

#ifdef _WIN32
bool IsReadOnlyFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(PathFromUtf8(path), error);
  return !error && std::filesystem::is_regular_file(status) &&
         (status.permissions() & std::filesystem::perms::owner_write) ==
             std::filesystem::perms::none;
}
#else
bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (::access(path.c_str(), R_OK) != 0) return false;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}
#endif

}  // namespace korvale
