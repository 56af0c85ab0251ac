#include "VisibleText.h"

#include <array>
#include <utility>

#include "Utf8.h"

namespace korvale {
namespace {

constexpr std::string_view kHex = "0123456789ABCDEF";

// The characters that change how a text reads without showing.
constexpr std::array<std::pair<char32_t, char32_t>, 4> kInvisible{{
    {0x200B, 0x200F},
    {0x202A, 0x202E},
    {0x2066, 0x2069},
    {0xFEFF, 0xFEFF},
}};

enum class Kind { Plain, Control, Stray, Invisible };

// One character, or a byte that is no UTF-8, of a text.
struct Character {
  std::size_t length = 1;
  Kind kind = Kind::Plain;
  char32_t code = 0;  // the byte's value for a stray byte
};

Character CharacterAt(std::string_view text, std::size_t at) {
  const Utf8Character c = Utf8CharacterAt(text, at);
  if (c.length == 0) return {1, Kind::Stray, static_cast<unsigned char>(text[at])};
  if (c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F)) return {c.length, Kind::Control, c.code};
  for (const auto& [low, high] : kInvisible) {
    if (c.code >= low && c.code <= high) return {c.length, Kind::Invisible, c.code};
  }
  return {c.length, Kind::Plain, c.code};
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
    if (c.kind == Kind::Control) return Escape(c);
    at += c.length;
  }
  return {};
}

}  // namespace korvale
