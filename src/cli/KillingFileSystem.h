#pragma once

#include <cstdint>

#include "FileSystem.h"

namespace korvale::cli {

// For tests of what an interrupted process leaves: passes every call on to
// the file system it wraps and kills the process (SIGKILL, no clean-up of
// any kind) right after the n-th call returns. POSIX only.
class KillingFileSystem final : public FileSystem {
 public:
  KillingFileSystem(FileSystem& inner, std::int64_t killAfter) : inner_(inner), left_(killAfter) {}

  SysResult Open(const std::string& path) override { return Counted(inner_.Open(path)); }
  SysResult OpenShared(const std::string& path) override {
    return Counted(inner_.OpenShared(path));
  }
  SysResult OpenOwn(const std::string& path) override { return Counted(inner_.OpenOwn(path)); }
  SysResult Seek(int handle, std::uint64_t offset) override {
    return Counted(inner_.Seek(handle, offset));
  }
  SysResult Read(int handle, char* buffer, std::size_t n) override {
    return Counted(inner_.Read(handle, buffer, n));
  }
  SysResult Write(int handle, const char* buffer, std::size_t n) override {
    return Counted(inner_.Write(handle, buffer, n));
  }
  SysResult Length(int handle) override { return Counted(inner_.Length(handle)); }
  SysResult Close(int handle) override { return Counted(inner_.Close(handle)); }
  SysResult Sync(int handle) override { return Counted(inner_.Sync(handle)); }
  SysResult Create(const std::string& path) override { return Counted(inner_.Create(path)); }
  SysResult OpenToWrite(const std::string& path) override {
    return Counted(inner_.OpenToWrite(path));
  }
  SysResult Rename(const std::string& from, const std::string& to, bool replace) override {
    return Counted(inner_.Rename(from, to, replace));
  }
  SysResult Remove(const std::string& path) override { return Counted(inner_.Remove(path)); }
  SysResult SyncFolder(const std::string& folder) override {
    return Counted(inner_.SyncFolder(folder));
  }

 private:
  SysResult Counted(SysResult result);

  FileSystem& inner_;
  std::int64_t left_;
};

}  // namespace korvale::cli
