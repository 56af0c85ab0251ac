#pragma once

#include <string>
#include <string_view>

// Line `index` of a resource string (korvale::res::StringLine), as UTF-16.
[[nodiscard]] std::wstring StringLine(int id, int index);
