#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvale {

// What stands at a path, looked at without following a link.
enum class PathKind {
  None,        // nothing
  Regular,     // a regular file with one name
  HardLinked,  // a regular file with more than one name
  Link,        // a symbolic link (on Windows any reparse point)
  Fifo,
  Device,
  Folder,
  Other,  // a socket, or what cannot be looked at
};

[[nodiscard]] PathKind KindAt(const std::string& path);

// "a symbolic link", "a folder", ... for a message.
[[nodiscard]] std::string_view DescribeKind(PathKind kind);

// How many names (hard links) the file at the path has, links followed;
// 0 when it cannot be told.
[[nodiscard]] std::uintmax_t NamesOf(const std::string& path);

}  // namespace korvale
