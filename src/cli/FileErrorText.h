#pragma once

#include <string>

#include "FileError.h"

namespace korvale::cli {

// A file error as korvale-cli says it: the editor's message with the file
// name shown through VisibleText. Where a roster is held by an advisory
// lock (everywhere but Windows), a lock held elsewhere says that another
// program has the file open; "sharing violation" is Windows' word for it.
[[nodiscard]] std::string FileErrorText(const FileError& error);

}  // namespace korvale::cli
