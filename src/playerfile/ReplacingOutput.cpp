#include "ReplacingOutput.h"

#include <random>
#include <string>
#include <system_error>

#include "OutputFile.h"
#include "PlayerFileState.h"

#ifndef _WIN32
#include <fcntl.h>
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

// Flushes a written file to the disk before it replaces the old one.
bool SyncToDisk([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
  return true;  // the rename is the commit point there
#else
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
#endif
}

}  // namespace

ReplacingOutput::ReplacingOutput(const fs::path& target) : target_(target) {
  std::error_code ec;
  const fs::path resolved = fs::weakly_canonical(target, ec);
  if (!ec) target_ = resolved;
  const fs::file_status status = fs::status(target_, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    stream_.open(target_, std::ios::binary | std::ios::out);
    return;
  }
  temporary_ = CreateTemporaryBeside(target_);
  if (!temporary_) return;
  if (fs::exists(status)) fs::permissions(*temporary_, status.permissions(), ec);
  stream_.open(*temporary_, std::ios::binary | std::ios::out | std::ios::trunc);
}

ReplacingOutput::~ReplacingOutput() {
  if (!temporary_) return;
  stream_.close();
  std::error_code ignored;
  fs::remove(*temporary_, ignored);
}

bool ReplacingOutput::Commit() {
  if (!stream_.is_open()) return false;
  stream_.close();
  if (!stream_) return false;
  if (!temporary_) return true;
  if (!SyncToDisk(*temporary_)) return false;
  std::error_code ec;
  fs::rename(*temporary_, target_, ec);
  if (ec) return false;
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
