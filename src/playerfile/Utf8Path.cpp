#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvale {

#ifdef _WIN32

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  // Bytes that are not UTF-8 become U+FFFD: such a name cannot exist, and
  // opening it fails as "not found" rather than throwing here.
  const int wide = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), wide);
  return std::filesystem::path(std::move(text));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), bytes, nullptr, nullptr);
  return text;
}

#else

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::string(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) { return path.native(); }

#endif

}  // namespace korvale
