#include "FileError.h"

namespace korvale {
namespace {

const char* Template(FileErrorCause cause) {
  switch (cause) {
    case FileErrorCause::InvalidHandle: return "An invalid file handle was associated with %1.";
    case FileErrorCause::AccessDenied: return "Access to %1 was denied.";
    case FileErrorCause::SharingViolation:
      return "A sharing violation occurred while accessing %1.";
    case FileErrorCause::HardwareIo: return "A hardware I/O error was reported while accessing %1.";
    case FileErrorCause::DiskFull: return "Disk full while accessing %1.";
    case FileErrorCause::NotFound: return "%1 was not found.";
    case FileErrorCause::BeyondEnd:
      return "The record lies beyond the end of %1; nothing was written.";
    case FileErrorCause::NotPlayerFile: return "%1 is not a Courtline '98 player file.";
    case FileErrorCause::Unknown: break;
  }
  return "An unknown error occurred while accessing %1.";
}

std::string Fill(const std::string& pattern, const std::string& name) {
  std::string out = pattern;
  out.replace(out.find("%1"), 2, name);
  return out;
}

}  // namespace

FileError::FileError(FileErrorCause cause, std::string fileName)
    : cause_(cause), fileName_(std::move(fileName)), message_(Fill(Template(cause), fileName_)) {}

}  // namespace korvale
