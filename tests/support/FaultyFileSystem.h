#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FileSystem.h"

namespace korvale::testing {

enum class FileOp { Open, Seek, Read, Write, Length, Close, Sync, Create, Remove, Rename };

// The real file system, with faults on request: an operation can fail with
// a chosen cause (from its n-th call on, once or until cleared), and writes
// can be cut short, or the power can go (every call from one on fails).
// Every call is logged with the file it acted on and the position it acted
// at.
class FaultyFileSystem final : public FileSystem {
 public:
  struct Call {
    FileOp op;
    std::uint64_t position;  // Seek: the target; Read, Write: where they began
    bool failed;
    std::size_t stored;  // Write: bytes stored
    std::string path;    // as the opening call named it
  };

  // Fails the operation from its (skip + 1)-th call from now on; `times`
  // failures in all (0: until Clear).
  void Fail(FileOp op, FileErrorCause cause, int skip = 0, int times = 0);
  // Writes store at most this many bytes and report the count.
  void CutWritesTo(std::size_t bytes) { cut_ = Cut{bytes, 0, false}; }
  // Only the (skip + 1)-th write from now stores at most `bytes`.
  void CutOneWrite(std::size_t bytes, int skip = 0) { cut_ = Cut{bytes, skip, true}; }
  // The (skip + 1)-th call from now on, of any operation, and every call
  // after it fail as on a machine whose power went (until Clear).
  void CutPower(int skip) { powerLeft_ = skip; }
  void Clear();
  [[nodiscard]] int Calls(FileOp op) const { return calls_[Index(op)]; }
  [[nodiscard]] const std::vector<Call>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

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
  struct Fault {
    FileErrorCause cause;
    int skip;
    int times;
  };
  struct Cut {
    std::size_t bytes;
    int skip;
    bool once;
  };
  static std::size_t Index(FileOp op) { return static_cast<std::size_t>(op); }
  std::optional<FileErrorCause> Trip(FileOp op);
  std::size_t WriteSize(std::size_t n);
  SysResult Logged(FileOp op, std::uint64_t position, SysResult result, const std::string& path);
  SysResult OnHandle(FileOp op, int handle, std::uint64_t position, SysResult result);
  // An opening call: the handle it gives names its path from then on.
  SysResult Opening(FileOp op, const std::string& path, SysResult result);

  std::array<std::optional<Fault>, 10> faults_{};
  std::array<int, 10> calls_{};
  std::optional<Cut> cut_;
  std::vector<Call> log_;
  std::uint64_t position_ = 0;
  std::optional<int> powerLeft_;
  std::map<int, std::string> paths_;  // by open handle
};

}  // namespace korvale::testing
