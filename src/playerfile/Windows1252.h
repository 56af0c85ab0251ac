#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvale {

// Text in the player file is single-byte Windows-1252. The five bytes that
// code page leaves undefined map to the code points of the same value, so
// every byte string survives a decode and encode unchanged.
[[nodiscard]] char32_t DecodeCp1252(unsigned char byte);
[[nodiscard]] std::optional<unsigned char> EncodeCp1252(char32_t codePoint);

// A character a text field may hold: one byte in the file, not NUL, CR or LF.
[[nodiscard]] bool IsAcceptedTextCharacter(char32_t codePoint);

// Conversions between file bytes and UTF-8.
[[nodiscard]] std::string Cp1252ToUtf8(std::string_view bytes);
// Nothing when the UTF-8 is malformed or holds a character with no byte.
[[nodiscard]] std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// File bytes as UTF-16 (a QChar, a wchar_t on Windows) into `out`, which
// holds bytes.size() units: every Windows-1252 character lies in the Basic
// Multilingual Plane, one unit per byte.
template <typename Unit>
void Cp1252ToUtf16(std::string_view bytes, Unit* out) {
  for (const char byte : bytes) {
    *out++ =
        static_cast<Unit>(static_cast<char16_t>(DecodeCp1252(static_cast<unsigned char>(byte))));
  }
}

}  // namespace korvale
