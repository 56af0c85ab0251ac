#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "FileSystem.h"

namespace korvale::testing {

enum class FileOp { Open, Seek, Read, Write, Length, Close };

// The real file system, with faults on request: an operation can fail with
// a chosen cause (from its n-th call on, once or until cleared), and writes
// can be cut short.
class FaultyFileSystem final : public FileSystem {
 public:
  // Fails the operation from its (skip + 1)-th call from now on; `times`
  // failures in all (0: until Clear).
  void Fail(FileOp op, FileErrorCause cause, int skip = 0, int times = 0);
  // Writes store at most this many bytes and report the count.
  void CutWritesTo(std::size_t bytes) { shortWrite_ = bytes; }
  void Clear();
  [[nodiscard]] int Calls(FileOp op) const { return calls_[Index(op)]; }

  SysResult Open(const std::string& path) override;
  SysResult Seek(int handle, std::uint64_t offset) override;
  SysResult Read(int handle, char* buffer, std::size_t n) override;
  SysResult Write(int handle, const char* buffer, std::size_t n) override;
  SysResult Length(int handle) override;
  SysResult Close(int handle) override;

 private:
  struct Fault {
    FileErrorCause cause;
    int skip;
    int times;
  };
  static std::size_t Index(FileOp op) { return static_cast<std::size_t>(op); }
  std::optional<FileErrorCause> Trip(FileOp op);

  std::array<std::optional<Fault>, 6> faults_{};
  std::array<int, 6> calls_{};
  std::optional<std::size_t> shortWrite_;
};

}  // namespace korvale::testing
