#include "VisibleText.h"

#include <array>
#include <utility>

namespace korvale::cli {
namespace {

constexpr std::string_view kHex = "0123456789ABCDEF";

// The characters that change how a text reads without showing.
constexpr std::array<std::pair<char32_t, char32_t>, 4> kInvisible{{
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2066, 0x2069},
    {0xFEFF, 0xFEFF},
}};

enum class Kind { Plain, Control, Invisible };

// One character (or a byte that is no UTF-8) of a text.
struct Character {
  std::size_t length = 1;
  Kind kind = Kind::Plain;
  char32_t code = 0;  // the byte's value for a control or a stray byte
};

char32_t CodeOf(std::string_view sequence) {
  if (sequence.size() == 1) return static_cast<unsigned char>(sequence[0]);
  constexpr std::array<unsigned, 5> kLeadMask{0, 0, 0x1F, 0x0F, 0x07};
  char32_t code = static_cast<unsigned char>(sequence[0]) & kLeadMask[sequence.size()];
  for (std::size_t i = 1; i < sequence.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3FU);
  }
  return code;
}

Character CharacterAt(std::string_view text, std::size_t at) {
  const std::size_t length = Utf8SequenceAt(text, at);
  if (length == 0) return {1, Kind::Control, static_cast<unsigned char>(text[at])};
  const char32_t code = CodeOf(text.substr(at, length));
  if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) return {length, Kind::Control, code};
  for (const auto& [low, high] : kInvisible) {
    if (code >= low && code <= high) return {length, Kind::Invisible, code};
  }
  return {length, Kind::Plain, code};
}

std::string Escape(const Character& c) {
  if (c.kind == Kind::Invisible) {
    std::string escape = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) escape += kHex[(c.code >> shift) & 0xF];
    return escape;
  }
  return std::string("\\x") + kHex[(c.code >> 4) & 0xF] + kHex[c.code & 0xF];
}

}  // namespace

std::size_t Utf8SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
  };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : 0;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0) return 0;
  unsigned low = 0x80, high = 0xBF;  // the second byte's bounds
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceAt(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string VisibleText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Character c = CharacterAt(text, at);
    if (c.kind == Kind::Plain) {
      shown.append(text.substr(at, c.length));
    } else {
      shown += Escape(c);
    }
    at += c.length;
  }
  return shown;
}

std::string ControlCharacterIn(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const Character c = CharacterAt(utf8, at);
    if (c.kind == Kind::Control && Utf8SequenceAt(utf8, at) != 0) return Escape(c);
    at += c.length;
  }
  return {};
}

}  // namespace korvale::cli
