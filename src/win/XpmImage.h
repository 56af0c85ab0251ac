#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

// An image given as the rows of an XPM file (header, colours, pixels), read
// into 0xAARRGGBB pixels, top row first. The colour "None" is transparent
// (alpha 0); every other colour is opaque. A malformed image reads as empty.
struct XpmImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  [[nodiscard]] static XpmImage Read(std::span<const char* const> rows);
  [[nodiscard]] bool Empty() const { return pixels.empty(); }
};

// A 32-bit top-down DIB section of the image, transparent pixels painted in
// `transparent`. The caller owns the bitmap.
[[nodiscard]] HBITMAP CreateXpmBitmap(const XpmImage& image, COLORREF transparent);
