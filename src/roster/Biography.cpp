#include "Biography.h"

namespace korvale {

std::string HeightText(std::int32_t inches) {
  return std::to_string(inches / 12) + "' " + std::to_string(inches % 12) + "\"";
}

}  // namespace korvale
