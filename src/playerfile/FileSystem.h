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
  virtual SysResult Seek(int handle, std::uint64_t offset) = 0;
  // Reads up to n bytes; fewer at the end of the file.
  virtual SysResult Read(int handle, char* buffer, std::size_t n) = 0;
  // Returns how many bytes were written.
  virtual SysResult Write(int handle, const char* buffer, std::size_t n) = 0;
  virtual SysResult Length(int handle) = 0;
  virtual SysResult Close(int handle) = 0;
};

// The platform's file system.
FileSystem& SystemFileSystem();

}  // namespace korvale
