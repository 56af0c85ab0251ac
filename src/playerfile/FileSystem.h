#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "FileError.h"

namespace korvale {

// The result of one system call: a value (handle, byte count, length), or
// the cause of its failure.
struct SysResult {
  std::int64_t value = 0;
  bool ok = true;
  FileErrorCause cause = FileErrorCause::Unknown;

  static SysResult Value(std::int64_t v) { return {v, true, FileErrorCause::Unknown}; }
  static SysResult Failure(FileErrorCause c) { return {0, false, c}; }
};

// The few system calls of the file layer. Everything above goes through
// this seam, so tests can make any of them fail with a chosen cause.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens an existing regular file for reading and writing, held
  // exclusively: never creates or truncates it.
  virtual SysResult Open(const std::string& path) = 0;
  // Opens an existing regular file for reading only, with a shared hold:
  // other readers may hold it too, a writer may not. Works on a read-only
  // file or medium.
  virtual SysResult OpenShared(const std::string& path) = 0;
  // Opens an existing file of our own for reading: only a regular file
  // with one name, never through a link and never waiting on a FIFO or a
  // device. Anything else is refused (AccessDenied).
  virtual SysResult OpenOwn(const std::string& path) = 0;
  virtual SysResult Seek(int handle, std::uint64_t offset) = 0;
  // Reads up to n bytes; fewer at the end of the file.
  virtual SysResult Read(int handle, char* buffer, std::size_t n) = 0;
  // Returns how many bytes were written.
  virtual SysResult Write(int handle, const char* buffer, std::size_t n) = 0;
  virtual SysResult Length(int handle) = 0;
  virtual SysResult Close(int handle) = 0;
  // Flushes what was written through the handle to the disk.
  virtual SysResult Sync(int handle) = 0;
  // Creates a new file of our own for writing: never over or through
  // anything that stands at the path already (a file, a link, a folder).
  virtual SysResult Create(const std::string& path) = 0;
  // Opens what stands at the path for writing, as a device or a pipe is
  // written; a regular file is emptied. Never creates a file.
  virtual SysResult OpenToWrite(const std::string& path) = 0;
  // Gives a file another name: over what stands at `to` with `replace`;
  // without, only where nothing stands, in one step that another process
  // creating `to` meanwhile cannot slip through.
  virtual SysResult Rename(const std::string& from, const std::string& to, bool replace) = 0;
  virtual SysResult Remove(const std::string& path) = 0;
  // Flushes the folder's entries (a created, renamed or removed file) to
  // the disk.
  virtual SysResult SyncFolder(const std::string& folder) = 0;
};

// The platform's file system.
FileSystem& SystemFileSystem();

}  // namespace korvale
