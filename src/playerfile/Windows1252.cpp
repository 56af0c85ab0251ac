#include "Windows1252.h"

#include <array>

#include "Utf8.h"

namespace korvale {
namespace {

// 0x80 to 0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t DecodeCp1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> EncodeCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<unsigned char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

bool IsAcceptedTextCharacter(char32_t codePoint) {
  return codePoint != 0 && codePoint != '\r' && codePoint != '\n' &&
         EncodeCp1252(codePoint).has_value();
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) < 0x80) {
      out += c;
    } else {
      AppendUtf8(out, DecodeCp1252(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Character c = Utf8CharacterAt(utf8, at);
    const auto byte = c.length == 0 ? std::nullopt : EncodeCp1252(c.code);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    at += c.length;
  }
  return out;
}

}  // namespace korvale
