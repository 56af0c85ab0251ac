#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvale::cli {

enum class TableFormat { Csv, Json };

// The most bytes a table's cell, JSON key or JSON value may hold: far
// more than any field's longest value takes. A longer one is refused as
// soon as it is seen, never read whole.
inline constexpr std::size_t kLongestCell = 4096;

// The format named by --format ("csv" or "json"), else the one that the
// file name's extension names, else CSV.
[[nodiscard]] std::optional<TableFormat> ParseFormat(std::string_view name);
[[nodiscard]] TableFormat FormatFor(const std::string& option, const std::string& path);

}  // namespace korvale::cli
