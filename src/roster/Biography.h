#pragma once

#include <cstdint>
#include <string>

namespace korvale {

// Feet and inches of a height in inches: 79 gives 6' 7" (division
// truncating toward zero, remainder with the sign of the height).
[[nodiscard]] std::string HeightText(std::int32_t inches);

}  // namespace korvale
