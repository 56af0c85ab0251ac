#pragma once

#include <exception>
#include <string>

namespace korvale {

enum class FileErrorCause {
  InvalidHandle,
  AccessDenied,
  SharingViolation,
  HardwareIo,
  DiskFull,
  Unknown,
  NotFound,       // only when opening
  BeyondEnd,      // a write that would lengthen the file
  NotPlayerFile,  // its header is not a player file's
};

// A failed file operation. The message names the file by its full path for
// opening and writing, and as "an unnamed file" for everything else.
class FileError : public std::exception {
 public:
  FileError(FileErrorCause cause, std::string fileName);

  [[nodiscard]] FileErrorCause Cause() const { return cause_; }
  [[nodiscard]] const std::string& FileName() const { return fileName_; }
  [[nodiscard]] const std::string& Message() const { return message_; }
  [[nodiscard]] const char* what() const noexcept override { return message_.c_str(); }

  static constexpr const char* kUnnamedFile = "an unnamed file";

 private:
  FileErrorCause cause_;
  std::string fileName_;
  std::string message_;
};

}  // namespace korvale
