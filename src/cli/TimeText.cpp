#include "TimeText.h"

#include <cstdio>
#include <ctime>

namespace korvale::cli {
namespace {

std::tm LocalTm(std::time_t time) {
  std::tm local{};
#ifdef _WIN32
  ::localtime_s(&local, &time);
#else
  ::localtime_r(&time, &local);
#endif
  return local;
}

std::optional<std::int64_t> Ago(std::string_view text, std::int64_t now) {
  if (text.size() < 2 || text.size() > 8) return std::nullopt;
  std::int64_t n = 0;
  for (const char c : text.substr(0, text.size() - 1)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  switch (text.back()) {
    case 'm': return now - n * 60;
    case 'h': return now - n * 60 * 60;
    case 'd': return now - n * 24 * 60 * 60;
    default: return std::nullopt;
  }
}

// "YYYY-MM-DD", optionally followed by " HH:MM" or " HH:MM:SS".
std::optional<std::int64_t> Local(std::string text) {
  if (text.size() > 10 && text[10] == 'T') text[10] = ' ';
  std::tm tm{};
  int used = 0;
  const int read =
      std::sscanf(text.c_str(), "%4d-%2d-%2d%n %2d:%2d%n:%2d%n", &tm.tm_year, &tm.tm_mon,
                  &tm.tm_mday, &used, &tm.tm_hour, &tm.tm_min, &used, &tm.tm_sec, &used);
  if (read < 3 || static_cast<std::size_t>(used) != text.size()) return std::nullopt;
  if (tm.tm_mon < 1 || tm.tm_mon > 12 || tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_hour > 23 ||
      tm.tm_min > 59 || tm.tm_sec > 60) {
    return std::nullopt;
  }
  tm.tm_year -= 1900;
  tm.tm_mon -= 1;
  tm.tm_isdst = -1;
  const std::tm given = tm;
  const std::time_t time = std::mktime(&tm);
  // A day the month does not have comes back as a day of the next one.
  if (time == static_cast<std::time_t>(-1) || tm.tm_mday != given.tm_mday ||
      tm.tm_mon != given.tm_mon) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(time);
}

}  // namespace

std::string LocalTimeText(std::int64_t seconds) {
  const std::tm local = LocalTm(static_cast<std::time_t>(seconds));
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::optional<std::int64_t> ParseTime(std::string_view text, std::int64_t now) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (auto ago = Ago(text, now)) return ago;
  return Local(std::string(text));
}

}  // namespace korvale::cli
