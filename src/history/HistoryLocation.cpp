#include "HistoryLocation.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvale::history {
namespace {

// The longest readable part of a history file's name.
constexpr std::size_t kReadableLength = 80;

// An environment variable as a path (read as UTF-16 on Windows, so that
// any name comes through); empty when it is not set.
std::filesystem::path Variable(std::string_view name) {
#ifdef _WIN32
  const std::wstring wide(name.begin(), name.end());
  std::wstring value(::GetEnvironmentVariableW(wide.c_str(), nullptr, 0), L'\0');
  if (value.empty()) return {};
  value.resize(
      ::GetEnvironmentVariableW(wide.c_str(), value.data(), static_cast<DWORD>(value.size())));
  return std::filesystem::path(value);
#else
  const char* value = std::getenv(std::string(name).c_str());
  return value ? std::filesystem::path(value) : std::filesystem::path();
#endif
}

std::filesystem::path PlatformFolder() {
#ifdef _WIN32
  const std::filesystem::path local = Variable("LOCALAPPDATA");
  if (local.empty()) return {};
  return local / "Korvale" / "history";
#else
  const std::filesystem::path state = Variable("XDG_STATE_HOME");
  if (state.is_absolute()) return state / "korvale" / "history";
  const std::filesystem::path home = Variable("HOME");
  if (home.empty()) return {};
  return home / ".local" / "state" / "korvale" / "history";
#endif
}

std::uint64_t Hash(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return hash;
}

std::string FullPath(const std::string& rosterPath) {
  std::error_code error;
  const std::filesystem::path resolved =
      std::filesystem::weakly_canonical(std::filesystem::absolute(PathFromUtf8(rosterPath)), error);
  std::string full = error ? rosterPath : Utf8FromPath(resolved);
#ifdef _WIN32
  // One file whatever the letter case the path is typed in.
  for (char& c : full) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
#endif
  return full;
}

}  // namespace

std::filesystem::path HistoryFolder() {
  const std::filesystem::path chosen = Variable("KORVALE_HISTORY_DIR");
  return chosen.empty() ? PlatformFolder() : chosen;
}

std::string HistoryFileName(const std::string& rosterPath) {
  const std::string full = FullPath(rosterPath);
  std::string readable;
  for (const char c : full) {
    const bool plain = std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-';
    if (plain) {
      readable += c;
    } else if (!readable.empty() && readable.back() != '_') {
      readable += '_';
    }
  }
  if (readable.size() > kReadableLength) readable.erase(0, readable.size() - kReadableLength);
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Hash(full)));
  return readable + '-' + hash + ".history";
}

std::filesystem::path HistoryPath(const std::string& rosterPath) {
  const std::filesystem::path folder = HistoryFolder();
  if (folder.empty()) return {};
  return folder / PathFromUtf8(HistoryFileName(rosterPath));
}

}  // namespace korvale::history
