#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvale {

#ifdef _WIN32

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int wide = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), wide);
  return text;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = static_cast<int>(utf16.size());
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), bytes, nullptr, nullptr);
  return text;
}

// A name with bytes that are not UTF-8 cannot exist: opening it fails as
// "not found" rather than throwing here.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(Widen(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) { return Narrow(path.native()); }

#else

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::string(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) { return path.native(); }

#endif

}  // namespace korvale
