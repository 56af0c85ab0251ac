#pragma once

#include <cstdint>
#include <string>
#include <variant>

// No control: a commit from a list pick, or a take that went through.
inline constexpr int kNoControl = -1;

// One control bound to one page value.
struct ExchangeEntry {
  enum class Kind { Text, Integer, RangedInteger, Real, Check };

  int control;
  Kind kind;
  std::variant<std::string*, std::int32_t*, double*> value;
  int limit = 0;         // Text: most characters accepted (0: no limit)
  std::int32_t low = 0;  // RangedInteger: accepted range
  std::int32_t high = 0;

  static ExchangeEntry Text(int c, std::string* v, int limit = 0);
  static ExchangeEntry Integer(int c, std::int32_t* v);
  static ExchangeEntry Ranged(int c, std::int32_t* v, std::int32_t low, std::int32_t high);
  static ExchangeEntry Real(int c, double* v);
  static ExchangeEntry Check(int c, std::int32_t* v);
};
