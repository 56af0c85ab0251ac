#pragma once

#include "FileSystem.h"

namespace korvale::testing {

// Opens files for reading only and without the editor's lock, so a second
// view can read a file that another view holds. Writing always fails.
class ReadOnlyFiles final : public FileSystem {
 public:
  SysResult Open(const std::string& path) override;
  SysResult OpenShared(const std::string& path) override { return Open(path); }
  SysResult OpenOwn(const std::string& path) override { return Open(path); }
  SysResult Seek(int handle, std::uint64_t offset) override;
  SysResult Read(int handle, char* buffer, std::size_t n) override;
  SysResult Write(int handle, const char* buffer, std::size_t n) override;
  SysResult Length(int handle) override;
  SysResult Close(int handle) override;
  SysResult Sync(int) override { return Denied(); }
  SysResult Create(const std::string&) override { return Denied(); }
  SysResult OpenToWrite(const std::string&) override { return Denied(); }
  SysResult Rename(const std::string&, const std::string&, bool) override { return Denied(); }
  SysResult Remove(const std::string&) override { return Denied(); }
  SysResult SyncFolder(const std::string&) override { return Denied(); }

 private:
  static SysResult Denied() { return SysResult::Failure(FileErrorCause::AccessDenied); }
};

}  // namespace korvale::testing
