#include "Utf8.h"

#include <cstdint>
#include <cstring>

namespace korvale {
namespace {

// The length a lead byte announces, 0 for a byte that leads nothing.
std::size_t LengthFromLead(unsigned lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The second byte's bounds, which rule out overlong forms, surrogates and
// what lies beyond U+10FFFF.
bool SecondFits(unsigned lead, unsigned second) {
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  return second >= low && second <= high;
}

}  // namespace

Utf8Character Utf8CharacterAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
  };
  const unsigned lead = byte(0);
  const std::size_t length = LengthFromLead(lead);
  if (length == 0) return {};
  if (length == 1) return {1, lead};
  if (!SecondFits(lead, byte(1))) return {};
  char32_t code = lead & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return {};
    code = (code << 6) | (byte(i) & 0x3FU);
  }
  return {length, code};
}

bool IsUtf8(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  for (std::size_t at = 0; at < text.size();) {
    std::uint64_t word = 0;
    if (text.size() - at >= sizeof word) {
      std::memcpy(&word, text.data() + at, sizeof word);
      if ((word & kHighBits) == 0) {  // eight ASCII bytes
        at += sizeof word;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = Utf8CharacterAt(text, at).length;
    if (length == 0) return false;
    at += length;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
    return;
  }
  constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
  for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6) {
    out += static_cast<char>(0x80U | ((code >> shift) & 0x3FU));
  }
}

// Lead bytes start a character; a four-byte sequence takes two units.
std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0U) != 0x80U) ++units;
    if (byte >= 0xF0U) ++units;
  }
  return units;
}

}  // namespace korvale
