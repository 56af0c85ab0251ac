#pragma once

#include <optional>
#include <string>

#include "FileError.h"

namespace korvale {

// Why the file at `path` (UTF-8) cannot be opened for reading, or nothing
// when it can: it is opened, nothing read, and closed again. Others may
// have it open for reading or writing meanwhile; a folder is refused.
[[nodiscard]] std::optional<FileErrorCause> CannotOpenForReading(const std::string& path);

}  // namespace korvale
