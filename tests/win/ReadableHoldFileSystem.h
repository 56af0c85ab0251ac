#pragma once

#include "FileSystem.h"

namespace korvale::testing {

// The system's file system, except that a file the editor holds stays
// readable for the test: Windows holds it with share mode 0, which would
// refuse the test's own look at the bytes. Only the share mode differs;
// every call goes to the system's file system, on its handles.
class ReadableHoldFileSystem final : public FileSystem {
 public:
  SysResult Open(const std::string& path) override;
  SysResult OpenShared(const std::string& path) override {
    return SystemFileSystem().OpenShared(path);
  }
  SysResult OpenOwn(const std::string& path) override { return SystemFileSystem().OpenOwn(path); }
  SysResult Seek(int handle, std::uint64_t offset) override {
    return SystemFileSystem().Seek(handle, offset);
  }
  SysResult Read(int handle, char* buffer, std::size_t n) override {
    return SystemFileSystem().Read(handle, buffer, n);
  }
  SysResult Write(int handle, const char* buffer, std::size_t n) override {
    return SystemFileSystem().Write(handle, buffer, n);
  }
  SysResult Length(int handle) override { return SystemFileSystem().Length(handle); }
  SysResult Close(int handle) override { return SystemFileSystem().Close(handle); }
  SysResult Sync(int handle) override { return SystemFileSystem().Sync(handle); }
  SysResult Create(const std::string& path) override { return SystemFileSystem().Create(path); }
  SysResult OpenToWrite(const std::string& path) override {
    return SystemFileSystem().OpenToWrite(path);
  }
  SysResult Rename(const std::string& from, const std::string& to, bool replace) override {
    return SystemFileSystem().Rename(from, to, replace);
  }
  SysResult Remove(const std::string& path) override { return SystemFileSystem().Remove(path); }
  SysResult SyncFolder(const std::string& folder) override {
    return SystemFileSystem().SyncFolder(folder);
  }
};

}  // namespace korvale::testing
