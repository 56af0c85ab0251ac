#include "FileText.h"

#include "Windows1252.h"

std::string FromFileBytes(std::string_view bytes) { return korvale::Cp1252ToUtf8(bytes); }

std::optional<std::string> ToFileBytes(std::string_view text) {
  return korvale::Utf8ToCp1252(text);
}

// Lead bytes start a character; a four-byte sequence takes two units.
std::size_t EditLength(std::string_view text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0U) != 0x80U) ++units;
    if (byte >= 0xF0U) ++units;
  }
  return units;
}
