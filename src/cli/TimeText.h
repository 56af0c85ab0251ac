#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvale::cli {

// Seconds since the epoch as the local time "2026-03-01 14:05:09".
[[nodiscard]] std::string LocalTimeText(std::int64_t seconds);

// A point in time as a person gives it: a local date "2026-03-01", a date
// and time "2026-03-01 14:05" (seconds optional, a T instead of the blank
// taken too), or a time ago "30m", "2h", "7d"; blanks around it do not
// count. Nothing when it is none of these or names a day that does not
// exist ("2026-02-30").
[[nodiscard]] std::optional<std::int64_t> ParseTime(std::string_view text, std::int64_t now);

}  // namespace korvale::cli
