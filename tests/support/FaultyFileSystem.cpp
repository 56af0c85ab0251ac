#include "FaultyFileSystem.h"

#include <algorithm>

namespace korvale::testing {

void FaultyFileSystem::Fail(FileOp op, FileErrorCause cause, int skip, int times) {
  faults_[Index(op)] = Fault{cause, skip, times};
}

void FaultyFileSystem::Clear() {
  faults_ = {};
  cut_.reset();
  powerLeft_.reset();
}

std::optional<FileErrorCause> FaultyFileSystem::Trip(FileOp op) {
  ++calls_[Index(op)];
  if (powerLeft_ && (*powerLeft_)-- <= 0) return FileErrorCause::HardwareIo;
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

SysResult FaultyFileSystem::Logged(FileOp op, std::uint64_t position, SysResult result,
                                   const std::string& path) {
  const bool moves = op == FileOp::Read || op == FileOp::Write;
  log_.push_back({op, position, !result.ok,
                  op == FileOp::Write && result.ok ? static_cast<std::size_t>(result.value) : 0,
                  path});
  if (op == FileOp::Seek && result.ok) position_ = position;
  if (moves && result.ok) position_ += static_cast<std::uint64_t>(result.value);
  return result;
}

SysResult FaultyFileSystem::OnHandle(FileOp op, int handle, std::uint64_t position,
                                     SysResult result) {
  const auto path = paths_.find(handle);
  return Logged(op, position, result, path == paths_.end() ? std::string() : path->second);
}

SysResult FaultyFileSystem::Opening(FileOp op, const std::string& path, SysResult result) {
  position_ = 0;
  if (result.ok) paths_[static_cast<int>(result.value)] = path;
  return Logged(op, 0, result, path);
}

SysResult FaultyFileSystem::Open(const std::string& path) {
  if (auto cause = Trip(FileOp::Open))
    return Opening(FileOp::Open, path, SysResult::Failure(*cause));
  return Opening(FileOp::Open, path, SystemFileSystem().Open(path));
}

// Counted and failed as an Open: the fault tables name no separate step.
SysResult FaultyFileSystem::OpenShared(const std::string& path) {
  if (auto cause = Trip(FileOp::Open))
    return Opening(FileOp::Open, path, SysResult::Failure(*cause));
  return Opening(FileOp::Open, path, SystemFileSystem().OpenShared(path));
}

SysResult FaultyFileSystem::OpenOwn(const std::string& path) {
  if (auto cause = Trip(FileOp::Open))
    return Opening(FileOp::Open, path, SysResult::Failure(*cause));
  return Opening(FileOp::Open, path, SystemFileSystem().OpenOwn(path));
}

SysResult FaultyFileSystem::Seek(int handle, std::uint64_t offset) {
  if (auto cause = Trip(FileOp::Seek))
    return OnHandle(FileOp::Seek, handle, offset, SysResult::Failure(*cause));
  return OnHandle(FileOp::Seek, handle, offset, SystemFileSystem().Seek(handle, offset));
}

SysResult FaultyFileSystem::Read(int handle, char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Read))
    return OnHandle(FileOp::Read, handle, position_, SysResult::Failure(*cause));
  return OnHandle(FileOp::Read, handle, position_, SystemFileSystem().Read(handle, buffer, n));
}

SysResult FaultyFileSystem::Write(int handle, const char* buffer, std::size_t n) {
  if (auto cause = Trip(FileOp::Write)) {
    return OnHandle(FileOp::Write, handle, position_, SysResult::Failure(*cause));
  }
  return OnHandle(FileOp::Write, handle, position_,
                  SystemFileSystem().Write(handle, buffer, WriteSize(n)));
}

SysResult FaultyFileSystem::Length(int handle) {
  if (auto cause = Trip(FileOp::Length))
    return OnHandle(FileOp::Length, handle, 0, SysResult::Failure(*cause));
  return OnHandle(FileOp::Length, handle, 0, SystemFileSystem().Length(handle));
}

SysResult FaultyFileSystem::Close(int handle) {
  const auto cause = Trip(FileOp::Close);
  // The descriptor is gone all the same, as with a failing close(2).
  const SysResult closed = SystemFileSystem().Close(handle);
  const SysResult result =
      OnHandle(FileOp::Close, handle, 0, cause ? SysResult::Failure(*cause) : closed);
  paths_.erase(handle);
  return result;
}

SysResult FaultyFileSystem::Sync(int handle) {
  if (auto cause = Trip(FileOp::Sync))
    return OnHandle(FileOp::Sync, handle, 0, SysResult::Failure(*cause));
  return OnHandle(FileOp::Sync, handle, 0, SystemFileSystem().Sync(handle));
}

SysResult FaultyFileSystem::Create(const std::string& path) {
  if (auto cause = Trip(FileOp::Create))
    return Opening(FileOp::Create, path, SysResult::Failure(*cause));
  return Opening(FileOp::Create, path, SystemFileSystem().Create(path));
}

// Counted and failed as an Open.
SysResult FaultyFileSystem::OpenToWrite(const std::string& path) {
  if (auto cause = Trip(FileOp::Open))
    return Opening(FileOp::Open, path, SysResult::Failure(*cause));
  return Opening(FileOp::Open, path, SystemFileSystem().OpenToWrite(path));
}

// Logged with the name it takes away.
SysResult FaultyFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
  if (auto cause = Trip(FileOp::Rename))
    return Logged(FileOp::Rename, 0, SysResult::Failure(*cause), from);
  return Logged(FileOp::Rename, 0, SystemFileSystem().Rename(from, to, replace), from);
}

SysResult FaultyFileSystem::Remove(const std::string& path) {
  if (auto cause = Trip(FileOp::Remove))
    return Logged(FileOp::Remove, 0, SysResult::Failure(*cause), path);
  return Logged(FileOp::Remove, 0, SystemFileSystem().Remove(path), path);
}

// Counted and failed as a Sync.
SysResult FaultyFileSystem::SyncFolder(const std::string& folder) {
  if (auto cause = Trip(FileOp::Sync))
    return Logged(FileOp::Sync, 0, SysResult::Failure(*cause), folder);
  return Logged(FileOp::Sync, 0, SystemFileSystem().SyncFolder(folder), folder);
}

}  // namespace korvale::testing
