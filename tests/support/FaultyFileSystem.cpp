#include "FaultyFileSystem.h"

#include <algorithm>

namespace korvale::testing {

void FaultyFileSystem::Fail(FileOp op, FileErrorCause cause, int skip, int times) {
  faults_[Index(op)] = Fault{cause, skip, times};
}

void FaultyFileSystem::Clear() {
  faults_ = {};
  cut_.reset();
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

std::size_t FaultyFileSystem::WriteSize(std::size_t n) {
  if (!cut_) return n;
  if (cut_->skip > 0) {
    --cut_->skip;
    return n;
  }
  const std::size_t size = std::min(n, cut_->bytes);
  if (cut_->once) cut_.reset();
  return size;
}

SysResult FaultyFileSystem::Logged(FileOp op, std::uint64_t position, SysResult result) {
  const bool moves = op == FileOp::Read || op == FileOp::Write;
  log_.push_back({op, position, !result.ok,
                  op == FileOp::Write && result.ok ? static_cast<std::size_t>(result.value) : 0});
  if (op == FileOp::Seek && result.ok) position_ = position;
  if (moves && result.ok) position_ += static_cast<std::uint64_t>(result.value);
  return result;
}

SysResult FaultyFileSystem::Open(const std::string& path) {
  position_ = 0;
  if (auto cause = Trip(FileOp::Open)) return Logged(FileOp::Open, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Open, 0, SystemFileSystem().Open(path));
}

// Counted and failed as an Open: the fault tables name no separate step.
SysResult FaultyFileSystem::OpenShared(const std::string& path) {
  position_ = 0;
  if (auto cause = Trip(FileOp::Open)) return Logged(FileOp::Open, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Open, 0, SystemFileSystem().OpenShared(path));
}

SysResult FaultyFileSystem::OpenOwn(const std::string& path) {
  position_ = 0;
  if (auto cause = Trip(FileOp::Open)) return Logged(FileOp::Open, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Open, 0, SystemFileSystem().OpenOwn(path));
}

SysResult FaultyFileSystem::Seek(int handle, std::uint64_t offset) {
  if (auto cause = Trip(FileOp::Seek))
    return Logged(FileOp::Seek, offset, SysResult::Failure(*cause));
  return Logged(FileOp::Seek, offset, SystemFileSystem().Seek(handle, offset));
}

SysResult FaultyFileSystem::Read(int handle, char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Read))
    return Logged(FileOp::Read, position_, SysResult::Failure(*cause));
  return Logged(FileOp::Read, position_, SystemFileSystem().Read(handle, buffer, n));
}

SysResult FaultyFileSystem::Write(int handle, const char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Write)) {
    return Logged(FileOp::Write, position_, SysResult::Failure(*cause));
  }
  return Logged(FileOp::Write, position_, SystemFileSystem().Write(handle, buffer, WriteSize(n)));
}

SysResult FaultyFileSystem::Length(int handle) {
  if (auto cause = Trip(FileOp::Length))
    return Logged(FileOp::Length, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Length, 0, SystemFileSystem().Length(handle));
}

SysResult FaultyFileSystem::Close(int handle) {
  if (auto cause = Trip(FileOp::Close)) {
    // The descriptor is gone all the same, as with a failing close(2).
    (void)SystemFileSystem().Close(handle);
    return Logged(FileOp::Close, 0, SysResult::Failure(*cause));
  }
  return Logged(FileOp::Close, 0, SystemFileSystem().Close(handle));
}

SysResult FaultyFileSystem::Sync(int handle) {
  if (auto cause = Trip(FileOp::Sync)) return Logged(FileOp::Sync, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Sync, 0, SystemFileSystem().Sync(handle));
}

SysResult FaultyFileSystem::Create(const std::string& path) {
  if (auto cause = Trip(FileOp::Create))
    return Logged(FileOp::Create, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Create, 0, SystemFileSystem().Create(path));
}

SysResult FaultyFileSystem::Remove(const std::string& path) {
  if (auto cause = Trip(FileOp::Remove))
    return Logged(FileOp::Remove, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Remove, 0, SystemFileSystem().Remove(path));
}

// Counted and failed as a Sync.
SysResult FaultyFileSystem::SyncFolder(const std::string& folder) {
  if (auto cause = Trip(FileOp::Sync)) return Logged(FileOp::Sync, 0, SysResult::Failure(*cause));
  return Logged(FileOp::Sync, 0, SystemFileSystem().SyncFolder(folder));
}

}  // namespace korvale::testing
