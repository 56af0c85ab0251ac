#include "ReplacingOutput.h"

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "OutputFile.h"
#include "PlayerFileState.h"
#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <csignal>
#endif

namespace korvale {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".korvale-";
constexpr std::string_view kTemporaryEnd = ".tmp";

#ifdef _WIN32
unsigned long ThisProcess() { return ::GetCurrentProcessId(); }

bool Runs(unsigned long id) {
  const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) return ::GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool running = !::GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
  ::CloseHandle(process);
  return running;
}
#else
unsigned long ThisProcess() { return static_cast<unsigned long>(::getpid()); }

bool Runs(unsigned long id) { return ::kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH; }
#endif

// The process id in a temporary file's name for `target`
// ("<name>.korvale-<pid>.tmp" or "<name>.korvale-<pid>-<n>.tmp").
std::optional<unsigned long> TemporaryOwner(const std::string& name, const std::string& target) {
  const std::string prefix = target + std::string(kTemporaryMark);
  if (name.size() <= prefix.size() + kTemporaryEnd.size() || !name.starts_with(prefix) ||
      !name.ends_with(kTemporaryEnd)) {
    return std::nullopt;
  }
  const std::string middle =
      name.substr(prefix.size(), name.size() - prefix.size() - kTemporaryEnd.size());
  const std::size_t digits = middle.find_first_not_of("0123456789");
  const std::string id = middle.substr(0, digits);
  const bool counted = digits != std::string::npos && middle[digits] == '-' &&
                       digits + 1 < middle.size() &&
                       middle.find_first_not_of("0123456789", digits + 1) == std::string::npos;
  if (id.empty() || id.size() > 10 || (digits != std::string::npos && !counted)) {
    return std::nullopt;
  }
  return std::stoul(id);
}

// A new, empty file beside `target` with a name nobody else uses: it
// carries this process's id, so that a run killed before it could remove
// the file can be recognised by it.
std::optional<fs::path> CreateTemporaryBeside(const fs::path& target) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path candidate = target;
    candidate += std::string(kTemporaryMark) + std::to_string(ThisProcess()) +
                 (attempt == 0 ? "" : "-" + std::to_string(attempt)) + std::string(kTemporaryEnd);
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

void RemoveLeftTemporaries(const fs::path& target) {
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(target, ec);
  const fs::path full = ec ? target : resolved;
  const std::string name = Utf8FromPath(full.filename());
  fs::directory_iterator entries(full.parent_path().empty() ? "." : full.parent_path(), ec);
  for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
    const fs::path path = entries->path();
    const auto owner = TemporaryOwner(Utf8FromPath(path.filename()), name);
    std::error_code ignored;
    if (owner && !Runs(*owner) && fs::is_regular_file(fs::symlink_status(path, ignored))) {
      fs::remove(path, ignored);
    }
  }
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
