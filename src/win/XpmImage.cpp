#include "XpmImage.h"

#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// "x c #RRGGBB" or "x c None", for a key of `chars` characters.
bool ReadColour(std::string_view row, int chars, std::string& key, std::uint32_t& colour) {
  if (static_cast<int>(row.size()) < chars) return false;
  key = std::string(row.substr(0, static_cast<size_t>(chars)));
  const size_t c = row.find(" c ", static_cast<size_t>(chars) - 1);
  if (c == std::string_view::npos) return false;
  std::string_view value = row.substr(c + 3);
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  if (value.starts_with("None") || value.starts_with("none")) {
    colour = 0;
    return true;
  }
  if (value.size() < 7 || value.front() != '#') return false;
  unsigned rgb = 0;
  if (std::sscanf(std::string(value.substr(1, 6)).c_str(), "%6x", &rgb) != 1) return false;
  colour = kOpaque | rgb;
  return true;
}

}  // namespace

XpmImage XpmImage::Read(std::span<const char* const> rows) {
  XpmImage image;
  if (rows.empty()) return image;
  int width = 0, height = 0, colours = 0, chars = 0;
  if (std::sscanf(rows[0], "%d %d %d %d", &width, &height, &colours, &chars) != 4 || width <= 0 ||
      height <= 0 || colours <= 0 || chars <= 0 ||
      rows.size() < static_cast<size_t>(1 + colours + height)) {
    return image;
  }
  std::map<std::string, std::uint32_t> table;
  for (int i = 0; i < colours; ++i) {
    std::string key;
    std::uint32_t colour = 0;
    if (!ReadColour(rows[static_cast<size_t>(1 + i)], chars, key, colour)) return image;
    table[key] = colour;
  }
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::string_view row = rows[static_cast<size_t>(1 + colours + y)];
    if (row.size() < static_cast<size_t>(width) * static_cast<size_t>(chars)) return image;
    for (int x = 0; x < width; ++x) {
      const auto found = table.find(
          std::string(row.substr(static_cast<size_t>(x * chars), static_cast<size_t>(chars))));
      if (found == table.end()) return image;
      pixels.push_back(found->second);
    }
  }
  image.width = width;
  image.height = height;
  image.pixels = std::move(pixels);
  return image;
}

HBITMAP CreateXpmBitmap(const XpmImage& image, COLORREF transparent) {
  if (image.Empty()) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  // COLORREF is 0x00BBGGRR, a DIB pixel 0x00RRGGBB.
  const std::uint32_t fill = (std::uint32_t(GetRValue(transparent)) << 16) |
                             (std::uint32_t(GetGValue(transparent)) << 8) | GetBValue(transparent);
  auto* out = static_cast<std::uint32_t*>(bits);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const std::uint32_t p = image.pixels[i];
    out[i] = (p & kOpaque) ? (p & 0x00FFFFFFu) : fill;
  }
  GdiFlush();
  return bitmap;
}
