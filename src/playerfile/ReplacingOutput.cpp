#include "ReplacingOutput.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "OutputFile.h"
#include "PlayerFileState.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>
#endif

namespace korvale {
namespace {

namespace fs = std::filesystem;

// A new, empty file beside `target` with a name nobody else uses.
std::optional<fs::path> CreateTemporaryBeside(const fs::path& target) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path candidate = target;
    candidate += ".korvale-" + std::to_string(random() % 1000000000ULL) + ".tmp";
    OutputFile created = OpenOutputFile(candidate, false);
    if (created.file) {
      if (CloseOutputFile(std::move(created.file))) return candidate;
      std::error_code ignored;
      fs::remove(candidate, ignored);
      return std::nullopt;
    }
    if (!created.exists) return std::nullopt;
  }
  return std::nullopt;
}

std::error_code LastError() { return {errno != 0 ? errno : EIO, std::generic_category()}; }

#ifdef _WIN32

// Flushes a written file to the disk before it replaces the old one.
std::error_code SyncToDisk(const fs::path&) { return {}; }  // the move writes through

// Moves the file to `target` unless a file is there.
std::error_code MoveWhereNoFileIs(const fs::path& from, const fs::path& target) {
  if (::MoveFileExW(from.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
    return std::make_error_code(std::errc::file_exists);
  }
  return {static_cast<int>(error), std::system_category()};
}

#else

std::error_code SyncToDisk(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return LastError();
  const bool synced = ::fsync(fd) == 0;
  const std::error_code error = synced ? std::error_code() : LastError();
  ::close(fd);
  return error;
}

// Moves the file to `target` unless a file is there: a rename that refuses
// to replace, or where the file system has none, a new link to the file.
std::error_code MoveWhereNoFileIs(const fs::path& from, const fs::path& target) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
    return {};
  }
  if (errno != EINVAL && errno != ENOSYS) return LastError();
#endif
  if (::link(from.c_str(), target.c_str()) != 0) return LastError();
  ::unlink(from.c_str());
  return {};
}

#endif

}  // namespace

ReplacingOutput::ReplacingOutput(const fs::path& target, bool replace)
    : target_(target), replace_(replace) {
  std::error_code ec;
  if (!replace && fs::exists(fs::symlink_status(target, ec))) {
    error_ = std::make_error_code(std::errc::file_exists);
    return;
  }
  const fs::path resolved = fs::weakly_canonical(target, ec);
  if (!ec) target_ = resolved;
  const fs::file_status status = fs::status(target_, ec);
  if (fs::is_directory(status)) {
    error_ = std::make_error_code(std::errc::is_a_directory);
    return;
  }
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    if (!buffer_.Open(target_, true)) error_ = buffer_.Error();
    return;
  }
  errno = 0;
  temporary_ = CreateTemporaryBeside(target_);
  if (!temporary_) {
    error_ = LastError();
    return;
  }
  if (fs::exists(status)) fs::permissions(*temporary_, status.permissions(), ec);
  if (!buffer_.Open(*temporary_, true)) error_ = buffer_.Error();
}

ReplacingOutput::~ReplacingOutput() {
  if (!temporary_) return;
  buffer_.Close();
  std::error_code ignored;
  fs::remove(*temporary_, ignored);
}

bool ReplacingOutput::Fail(std::error_code error) {
  error_ = error;
  return false;
}

bool ReplacingOutput::Commit() {
  if (!buffer_.IsOpen()) return false;
  if (!buffer_.Close()) return Fail(buffer_.Error());
  if (!temporary_) return true;
  if (const std::error_code error = SyncToDisk(*temporary_)) return Fail(error);
  std::error_code error;
  if (replace_) {
    fs::rename(*temporary_, target_, error);
  } else {
    error = MoveWhereNoFileIs(*temporary_, target_);
  }
  if (error) return Fail(error);
  temporary_.reset();
  return true;
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  const bool same = fs::equivalent(a, b, ec);
  return !ec && same;
}

bool HoldsPlayerFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  char first[12] = {};
  in.read(first, sizeof first);
  return IsPlayerFileHeader(std::string_view(first, static_cast<std::size_t>(in.gcount())));
}

}  // namespace korvale
