#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvale::cli {

enum class TableFormat { Csv, Json };

// The format named by --format ("csv" or "json"), else the one that the
// file name's extension names, else CSV.
[[nodiscard]] std::optional<TableFormat> ParseFormat(std::string_view name);
[[nodiscard]] TableFormat FormatFor(const std::string& option, const std::string& path);

}  // namespace korvale::cli
