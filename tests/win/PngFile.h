#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace korvale::testing {

// Writes 0x00RRGGBB pixels, top row first, as an RGB PNG (stored, not
// compressed: a screenshot for the documentation needs no more). False
// when the file cannot be written.
bool WritePng(const std::filesystem::path& path, int width, int height,
              const std::vector<std::uint32_t>& pixels);

}  // namespace korvale::testing
