#include "FileErrorText.h"

#include "VisibleText.h"

namespace korvale::cli {

std::string FileErrorText(const FileError& error) {
  const std::string name = VisibleText(error.FileName());
#ifndef _WIN32
  if (error.Cause() == FileErrorCause::SharingViolation) {
    return "Another program has " + name + " open.";
  }
#endif
  return FileError(error.Cause(), name).Message();
}

}  // namespace korvale::cli
