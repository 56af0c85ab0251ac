#include "WindowsErrors.h"

#include <windows.h>

namespace korvale {

FileErrorCause CauseOfWindowsError(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return FileErrorCause::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_WRITE_PROTECT: return FileErrorCause::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return FileErrorCause::SharingViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL: return FileErrorCause::DiskFull;
    case ERROR_INVALID_HANDLE: return FileErrorCause::InvalidHandle;
    case ERROR_IO_DEVICE:
    case ERROR_CRC:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE: return FileErrorCause::HardwareIo;
    default: return FileErrorCause::Unknown;
  }
}

}  // namespace korvale
