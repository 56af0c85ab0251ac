#include "PngFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string>

namespace korvale::testing {
namespace {

std::uint32_t Crc(const std::string& bytes) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = type + data;
  out += body;
  Put32(out, Crc(body));
}

// A zlib stream of stored blocks.
std::string Stored(const std::string& raw) {
  std::string z = "\x78\x01";
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(65535, raw.size() - at);
    z += static_cast<char>(at + n == raw.size() ? 1 : 0);
    z += static_cast<char>(n & 0xFF);
    z += static_cast<char>(n >> 8);
    z += static_cast<char>(~n & 0xFF);
    z += static_cast<char>((~n >> 8) & 0xFF);
    z.append(raw, at, n);
    at += n;
  } while (at < raw.size());
  Put32(z, (b << 16) | a);
  return z;
}

}  // namespace

bool WritePng(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint32_t>& pixels) {
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // no filter
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[static_cast<size_t>(y * width + x)];
      raw += static_cast<char>((p >> 16) & 0xFF);
      raw += static_cast<char>((p >> 8) & 0xFF);
      raw += static_cast<char>(p & 0xFF);
    }
  }
  std::string header;
  Put32(header, static_cast<std::uint32_t>(width));
  Put32(header, static_cast<std::uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", Stored(raw));
  Chunk(png, "IEND", {});
  std::ofstream out(path, std::ios::binary);
  out.write(png.data(), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

}  // namespace korvale::testing
