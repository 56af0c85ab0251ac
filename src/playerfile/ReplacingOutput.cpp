#include "ReplacingOutput.h"

#include <cerrno>
#include <fstream>
#include <string>
#include <system_error>

#include "PlayerFileState.h"
#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
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

// The process id in a temporary file's name ("<name>.korvale-<pid>.tmp"
// or "<name>.korvale-<pid>-<n>.tmp").
std::optional<unsigned long> TemporaryOwner(const std::string& name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string::npos || mark == 0 || !name.ends_with(kTemporaryEnd)) {
    return std::nullopt;
  }
  const std::size_t from = mark + kTemporaryMark.size();
  if (name.size() <= from + kTemporaryEnd.size()) return std::nullopt;
  const std::string middle = name.substr(from, name.size() - from - kTemporaryEnd.size());
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

}  // namespace

ReplacingOutput::ReplacingOutput(const fs::path& target, bool replace, FileSystem& system)
    : system_(system), target_(target), replace_(replace) {
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
    if (!buffer_.Open(Utf8FromPath(target_), false)) error_ = buffer_.Error();
    return;
  }
  CreateTemporary(status);
}

// A new file beside the target with a name nobody else uses: it carries
// this process's id, so that a run killed before it could remove the file
// can be recognised by it (and the next run removes what such runs left).
void ReplacingOutput::CreateTemporary(const fs::file_status& status) {
  RemoveLeftTemporaries(target_);
  for (int attempt = 0; attempt < 16; ++attempt) {
    fs::path candidate = target_;
    candidate += std::string(kTemporaryMark) + std::to_string(ThisProcess()) +
                 (attempt == 0 ? "" : "-" + std::to_string(attempt)) + std::string(kTemporaryEnd);
    if (buffer_.Open(Utf8FromPath(candidate), true)) {
      temporary_ = candidate;
      std::error_code ignored;
      if (fs::exists(status)) fs::permissions(candidate, status.permissions(), ignored);
      return;
    }
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(candidate, ec))) break;  // not taken: it cannot be made
  }
  error_ = buffer_.Error();
}

ReplacingOutput::~ReplacingOutput() {
  if (!temporary_) return;
  buffer_.Abandon();
  (void)system_.Remove(Utf8FromPath(*temporary_));
}

bool ReplacingOutput::Fail(std::error_code error) {
  error_ = error;
  return false;
}

// The new file is flushed to the disk before it takes the old one's name,
// and the name after it.
bool ReplacingOutput::Commit() {
  if (!buffer_.IsOpen()) return false;
  if (!buffer_.Close(temporary_.has_value())) return Fail(buffer_.Error());
  if (!temporary_) return true;
  const SysResult renamed =
      system_.Rename(Utf8FromPath(*temporary_), Utf8FromPath(target_), replace_);
  std::error_code ec;
  if (!renamed.ok && !replace_ && fs::exists(fs::symlink_status(target_, ec))) {
    return Fail(std::make_error_code(std::errc::file_exists));
  }
  if (!renamed.ok) return Fail(ErrorCodeOf(renamed.cause));
  temporary_.reset();
  // The new file is whole in its place whatever this flush says: a crash
  // before the name reaches the disk leaves the old file, never a cut one.
  const fs::path folder = target_.parent_path();
  (void)system_.SyncFolder(Utf8FromPath(folder.empty() ? fs::path(".") : folder));
  return true;
}

void RemoveLeftTemporaries(const fs::path& target) {
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(target, ec);
  const fs::path full = ec ? target : resolved;
  fs::directory_iterator entries(full.parent_path().empty() ? "." : full.parent_path(), ec);
  for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
    const fs::path path = entries->path();
    const auto owner = TemporaryOwner(Utf8FromPath(path.filename()));
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
