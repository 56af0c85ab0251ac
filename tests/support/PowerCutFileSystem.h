#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "FileSystem.h"

namespace korvale::testing {

// The real file system with a power cut after the n-th call: every later
// call fails as the machine would if it had stopped, and Reboot() then puts
// every file the calls touched back as the disk holds it after a crash.
// Only what was flushed survives: a file's bytes as of its last Sync, and
// its creation, renaming or removal only once its folder was flushed
// (SyncFolder).
class PowerCutFileSystem final : public FileSystem {
 public:
  explicit PowerCutFileSystem(std::int64_t cutAfter) : left_(cutAfter) {}

  [[nodiscard]] bool WentOff() const { return left_ < 0; }
  // The disk as the crash left it.
  void Reboot();

  SysResult Open(const std::string& path) override;
  SysResult OpenShared(const std::string& path) override;
  SysResult OpenOwn(const std::string& path) override;
  SysResult Seek(int handle, std::uint64_t offset) override;
  SysResult Read(int handle, char* buffer, std::size_t n) override;
  SysResult Write(int handle, const char* buffer, std::size_t n) override;
  SysResult Length(int handle) override;
  SysResult Close(int handle) override;
  SysResult Sync(int handle) override;
  SysResult Create(const std::string& path) override;
  SysResult OpenToWrite(const std::string& path) override;
  SysResult Rename(const std::string& from, const std::string& to, bool replace) override;
  SysResult Remove(const std::string& path) override;
  SysResult SyncFolder(const std::string& folder) override;

 private:
  // What of a file would survive a crash now.
  struct Durable {
    bool exists = false;
    std::string bytes;
  };
  // Whether the power is still on for one more call.
  bool On();
  // Starts following the file at `path` as it is now.
  std::string Track(const std::string& path);
  SysResult Opened(const std::string& path, SysResult opened);

  std::int64_t left_;
  std::map<std::string, Durable> durable_;          // by full path
  std::map<int, std::string> paths_;                // by open handle
  std::map<std::string, std::string> renamedFrom_;  // renames not yet flushed, by new path
};

}  // namespace korvale::testing
