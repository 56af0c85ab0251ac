#pragma once

#include <string>

namespace korvale {

// An open refused although the file is there to read, for want of write
// permission or on a read-only medium.
[[nodiscard]] bool IsReadOnlyFile(const std::string& path);

}  // namespace korvale
