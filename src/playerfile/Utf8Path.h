#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvale {

// Paths travel through the program as UTF-8 text (the command line, the
// messages, the FileSystem seam). These turn such a text into the
// platform's own path (UTF-16 on Windows) and back.
[[nodiscard]] std::filesystem::path PathFromUtf8(std::string_view utf8);
[[nodiscard]] std::string Utf8FromPath(const std::filesystem::path& path);

#ifdef _WIN32
// UTF-8 as the UTF-16 of Windows' wide calls, and back. Bytes that are not
// UTF-8 become U+FFFD.
[[nodiscard]] std::wstring Widen(std::string_view utf8);
[[nodiscard]] std::string Narrow(std::wstring_view utf16);
#endif

}  // namespace korvale
