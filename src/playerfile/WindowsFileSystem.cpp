// The file system seam on Windows. Exclusive access is the share mode 0 of
// the open handle: while Korvale holds the file, every other opener (the
// game, an editor, another Korvale) is refused with a sharing violation.
#include <windows.h>

#include <algorithm>

#include "FileSystem.h"
#include "Utf8Path.h"
#include "WindowsErrors.h"

namespace korvale {
namespace {

SysResult FromLastError() { return SysResult::Failure(CauseOfWindowsError(::GetLastError())); }

// Kernel handles are 32-bit values even in 64-bit processes, so the seam's
// int carries them unchanged.
HANDLE HandleOf(int handle) { return ::LongToHandle(handle); }

// ReadFile and WriteFile move at most a DWORD's worth per call.
DWORD Chunk(std::size_t left) { return static_cast<DWORD>(std::min<std::size_t>(left, 1U << 30)); }

// Opens an existing file with `access`, letting others open it with `share`.
SysResult OpenHeld(const std::string& path, DWORD access, DWORD share) {
  const HANDLE h = ::CreateFileW(PathFromUtf8(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return FromLastError();
  // A console, pipe or device name is refused like a directory is.
  if (::GetFileType(h) != FILE_TYPE_DISK) {
    ::CloseHandle(h);
    return SysResult::Failure(FileErrorCause::AccessDenied);
  }
  return SysResult::Value(::HandleToLong(h));
}

// Opens a file of our own for reading: the path itself, never a reparse
// point's target, and only a disk file with one name.
SysResult OpenOwnFile(const std::string& path) {
  const HANDLE h =
      ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (h == INVALID_HANDLE_VALUE) return FromLastError();
  BY_HANDLE_FILE_INFORMATION info{};
  const bool own =
      ::GetFileType(h) == FILE_TYPE_DISK && ::GetFileInformationByHandle(h, &info) &&
      (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0 &&
      info.nNumberOfLinks == 1;
  if (!own) {
    ::CloseHandle(h);
    return SysResult::Failure(FileErrorCause::AccessDenied);
  }
  return SysResult::Value(::HandleToLong(h));
}

class WindowsFileSystem final : public FileSystem {
 public:
  SysResult Open(const std::string& path) override {
    return OpenHeld(path, GENERIC_READ | GENERIC_WRITE, 0);
  }

  // Readers share reading and nothing else.
  SysResult OpenShared(const std::string& path) override {
    return OpenHeld(path, GENERIC_READ, FILE_SHARE_READ);
  }

  SysResult OpenOwn(const std::string& path) override { return OpenOwnFile(path); }

  SysResult Seek(int handle, std::uint64_t offset) override {
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!::SetFilePointerEx(HandleOf(handle), to, nullptr, FILE_BEGIN)) return FromLastError();
    return SysResult::Value(static_cast<std::int64_t>(offset));
  }

  SysResult Read(int handle, char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      DWORD got = 0;
      if (!::ReadFile(HandleOf(handle), buffer + done, Chunk(n - done), &got, nullptr)) {
        return FromLastError();
      }
      if (got == 0) break;
      done += got;
    }
    return SysResult::Value(static_cast<std::int64_t>(done));
  }

  SysResult Write(int handle, const char* buffer, std::size_t n) override {
    std::size_t done = 0;
    while (done < n) {
      DWORD put = 0;
      if (!::WriteFile(HandleOf(handle), buffer + done, Chunk(n - done), &put, nullptr)) {
        return FromLastError();
      }
      if (put == 0) break;
      done += put;
    }
    return SysResult::Value(static_cast<std::int64_t>(done));
  }

  SysResult Length(int handle) override {
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(HandleOf(handle), &size)) return FromLastError();
    return SysResult::Value(size.QuadPart);
  }

  SysResult Close(int handle) override {
    if (!::CloseHandle(HandleOf(handle))) return FromLastError();
    return SysResult::Value(0);
  }

  SysResult Sync(int handle) override {
    if (!::FlushFileBuffers(HandleOf(handle))) return FromLastError();
    return SysResult::Value(0);
  }

  SysResult Create(const std::string& path) override {
    // CREATE_NEW fails on anything at the path, a reparse point included.
    const HANDLE h = ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return FromLastError();
    return SysResult::Value(::HandleToLong(h));
  }

  // A device (NUL, CON) is written as it is; a file is emptied.
  SysResult OpenToWrite(const std::string& path) override {
    const HANDLE h =
        ::CreateFileW(PathFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return FromLastError();
    if (::GetFileType(h) == FILE_TYPE_DISK && !::SetEndOfFile(h)) {
      const SysResult failure = FromLastError();
      ::CloseHandle(h);
      return failure;
    }
    return SysResult::Value(::HandleToLong(h));
  }

  // The move is written through to the disk before it returns.
  SysResult Rename(const std::string& from, const std::string& to, bool replace) override {
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!::MoveFileExW(PathFromUtf8(from).c_str(), PathFromUtf8(to).c_str(), flags)) {
      return FromLastError();
    }
    return SysResult::Value(0);
  }

  SysResult Remove(const std::string& path) override {
    if (!::DeleteFileW(PathFromUtf8(path).c_str())) return FromLastError();
    return SysResult::Value(0);
  }

  // NTFS keeps its folder entries in its own log: FlushFileBuffers on the
  // file is what the disk needs.
  SysResult SyncFolder(const std::string&) override { return SysResult::Value(0); }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static WindowsFileSystem system;
  return system;
}

}  // namespace korvale
