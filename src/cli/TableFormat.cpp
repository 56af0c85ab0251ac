#include "TableFormat.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "Utf8Path.h"

namespace korvale::cli {

std::optional<TableFormat> ParseFormat(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "csv") return TableFormat::Csv;
  if (lower == "json") return TableFormat::Json;
  return std::nullopt;
}

TableFormat FormatFor(const std::string& option, const std::string& path) {
  if (const auto chosen = ParseFormat(option)) return *chosen;
  const std::string extension = Utf8FromPath(PathFromUtf8(path).extension());
  if (!extension.empty()) {
    if (const auto byName = ParseFormat(std::string_view(extension).substr(1))) return *byName;
  }
  return TableFormat::Csv;
}

}  // namespace korvale::cli
