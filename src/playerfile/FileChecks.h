#pragma once

#include <optional>
#include <string>

#include "FileError.h"

namespace korvale {

// Why the file at `path` (UTF-8) cannot be opened for reading, or nothing
// when it can: it is opened, nothing read, and closed again. Others may
// have it open for reading or writing meanwhile; a folder is refused.
[[nodiscard]] std::optional<FileErrorCause> CannotOpenForReading(const std::string& path);

// An open refused although the file is there to read, for want of write
// permission or on a read-only medium.
[[nodiscard]] bool IsReadOnlyFile(const std::string& path);

}  // namespace korvale
