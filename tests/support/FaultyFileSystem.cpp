#include "FaultyFileSystem.h"

#include <algorithm>

namespace korvale::testing {

void FaultyFileSystem::Fail(FileOp op, FileErrorCause cause, int skip, int times) {
  faults_[Index(op)] = Fault{cause, skip, times};
}

void FaultyFileSystem::Clear() {
  faults_ = {};
  shortWrite_.reset();
}

std::optional<FileErrorCause> FaultyFileSystem::Trip(FileOp op) {
  ++calls_[Index(op)];
  auto& fault = faults_[Index(op)];
  if (!fault) return std::nullopt;
  if (fault->skip > 0) {
    --fault->skip;
    return std::nullopt;
  }
  const FileErrorCause cause = fault->cause;
  if (fault->times > 0 && --fault->times == 0) fault.reset();
  return cause;
}

SysResult FaultyFileSystem::Open(const std::string& path) {
  if (auto cause = Trip(FileOp::Open)) return SysResult::Failure(*cause);
  return SystemFileSystem().Open(path);
}

SysResult FaultyFileSystem::Seek(int handle, std::uint64_t offset) {
  if (auto cause = Trip(FileOp::Seek)) return SysResult::Failure(*cause);
  return SystemFileSystem().Seek(handle, offset);
}

SysResult FaultyFileSystem::Read(int handle, char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Read)) return SysResult::Failure(*cause);
  return SystemFileSystem().Read(handle, buffer, n);
}

SysResult FaultyFileSystem::Write(int handle, const char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Write)) return SysResult::Failure(*cause);
  return SystemFileSystem().Write(handle, buffer, shortWrite_ ? std::min(n, *shortWrite_) : n);
}

SysResult FaultyFileSystem::Length(int handle) {
  if (auto cause = Trip(FileOp::Length)) return SysResult::Failure(*cause);
  return SystemFileSystem().Length(handle);
}

SysResult FaultyFileSystem::Close(int handle) {
  if (auto cause = Trip(FileOp::Close)) {
    // The descriptor is gone all the same, as with a failing close(2).
    (void)SystemFileSystem().Close(handle);
    return SysResult::Failure(*cause);
  }
  return SystemFileSystem().Close(handle);
}

}  // namespace korvale::testing
