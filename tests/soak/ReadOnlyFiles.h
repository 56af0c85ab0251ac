#pragma once

#include "FileSystem.h"

namespace korvale::testing {

// Opens files for reading only and without the editor's lock, so a second
// view can read a file that another view holds. Writing always fails.
class ReadOnlyFiles final : public FileSystem {
 public:
  SysResult Open(const std::string& path) override;
  SysResult Seek(int handle, std::uint64_t offset) override;
  SysResult Read(int handle, char* buffer, std::size_t n) override;
  SysResult Write(int handle, const char* buffer, std::size_t n) override;
  SysResult Length(int handle) override;
  SysResult Close(int handle) override;
};

}  // namespace korvale::testing
