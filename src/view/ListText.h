#pragma once

#include <string_view>

#include <QString>

namespace korvale {

// File bytes (Windows-1252) as shown text.
[[nodiscard]] QString ShownText(std::string_view bytes);

}  // namespace korvale
