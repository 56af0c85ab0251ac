#include "PowerCutFileSystem.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Utf8Path.h"

namespace korvale::testing {
namespace {

namespace fs = std::filesystem;

fs::path FullPath(const std::string& path) { return fs::weakly_canonical(PathFromUtf8(path)); }

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SysResult Off() { return SysResult::Failure(FileErrorCause::HardwareIo); }

}  // namespace

bool PowerCutFileSystem::On() { return left_-- > 0; }

std::string PowerCutFileSystem::Track(const std::string& path) {
  const fs::path full = FullPath(path);
  std::string key = Utf8FromPath(full);
  if (!durable_.contains(key)) durable_[key] = {fs::exists(full), Contents(full)};
  return key;
}

SysResult PowerCutFileSystem::Opened(const std::string& key, SysResult opened) {
  if (opened.ok) paths_[static_cast<int>(opened.value)] = key;
  return opened;
}

void PowerCutFileSystem::Reboot() {
  for (const auto& [key, durable] : durable_) {
    const fs::path path = PathFromUtf8(key);
    if (durable.exists) {
      std::ofstream(path, std::ios::binary | std::ios::trunc) << durable.bytes;
    } else {
      fs::remove(path);
    }
  }
}

SysResult PowerCutFileSystem::Open(const std::string& path) {
  if (!On()) return Off();
  const std::string key = Track(path);  // as it was before the call
  return Opened(key, SystemFileSystem().Open(path));
}

SysResult PowerCutFileSystem::OpenShared(const std::string& path) {
  if (!On()) return Off();
  const std::string key = Track(path);  // as it was before the call
  return Opened(key, SystemFileSystem().OpenShared(path));
}

SysResult PowerCutFileSystem::OpenOwn(const std::string& path) {
  if (!On()) return Off();
  const std::string key = Track(path);  // as it was before the call
  return Opened(key, SystemFileSystem().OpenOwn(path));
}

SysResult PowerCutFileSystem::Seek(int handle, std::uint64_t offset) {
  return On() ? SystemFileSystem().Seek(handle, offset) : Off();
}

SysResult PowerCutFileSystem::Read(int handle, char* buffer, std::size_t n) {
  return On() ? SystemFileSystem().Read(handle, buffer, n) : Off();
}

SysResult PowerCutFileSystem::Write(int handle, const char* buffer, std::size_t n) {
  return On() ? SystemFileSystem().Write(handle, buffer, n) : Off();
}

SysResult PowerCutFileSystem::Length(int handle) {
  return On() ? SystemFileSystem().Length(handle) : Off();
}

// The handle goes either way: the process lets go of it.
SysResult PowerCutFileSystem::Close(int handle) {
  const bool on = On();
  const SysResult closed = SystemFileSystem().Close(handle);
  paths_.erase(handle);
  return on ? closed : Off();
}

SysResult PowerCutFileSystem::Sync(int handle) {
  if (!On()) return Off();
  const SysResult synced = SystemFileSystem().Sync(handle);
  if (synced.ok) durable_[paths_.at(handle)].bytes = Contents(PathFromUtf8(paths_.at(handle)));
  return synced;
}

SysResult PowerCutFileSystem::Create(const std::string& path) {
  if (!On()) return Off();
  const std::string key = Track(path);  // as it was before the call
  return Opened(key, SystemFileSystem().Create(path));
}

SysResult PowerCutFileSystem::OpenToWrite(const std::string& path) {
  if (!On()) return Off();
  const std::string key = Track(path);  // as it was before the call
  return Opened(key, SystemFileSystem().OpenToWrite(path));
}

SysResult PowerCutFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
  if (!On()) return Off();
  const std::string source = Track(from);
  const std::string target = Track(to);
  const SysResult renamed = SystemFileSystem().Rename(from, to, replace);
  if (renamed.ok) renamedFrom_[target] = source;
  return renamed;
}

SysResult PowerCutFileSystem::Remove(const std::string& path) {
  if (!On()) return Off();
  Track(path);
  return SystemFileSystem().Remove(path);
}

SysResult PowerCutFileSystem::SyncFolder(const std::string& folder) {
  if (!On()) return Off();
  const SysResult synced = SystemFileSystem().SyncFolder(folder);
  if (!synced.ok) return synced;
  const fs::path full = FullPath(folder);
  for (auto& [key, durable] : durable_) {
    const fs::path path = PathFromUtf8(key);
    if (path.parent_path() != full) continue;
    durable.exists = fs::exists(path);
    // A renamed file takes its bytes, as flushed, to its new name.
    if (const auto from = renamedFrom_.find(key); from != renamedFrom_.end()) {
      durable.bytes = durable_.at(from->second).bytes;
      renamedFrom_.erase(from);
    }
  }
  return synced;
}

}  // namespace korvale::testing
