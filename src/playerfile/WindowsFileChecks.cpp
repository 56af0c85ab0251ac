// The file checks on Windows.
#include <windows.h>

#include <filesystem>

#include "FileChecks.h"
#include "Utf8Path.h"
#include "WindowsErrors.h"

namespace korvale {

std::optional<FileErrorCause> CannotOpenForReading(const std::string& path) {
  const HANDLE file =
      ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return CauseOfWindowsError(::GetLastError());
  ::CloseHandle(file);
  return std::nullopt;
}

bool IsReadOnlyFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(PathFromUtf8(path), error);
  return !error && std::filesystem::is_regular_file(status) &&
         (status.permissions() & std::filesystem::perms::owner_write) ==
             std::filesystem::perms::none;
}

}  // namespace korvale
