#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "RecordLayout.h"

namespace korvale {

// The twenty rating fields, in the order their sum is taken.
extern const std::array<FieldId, 20> kRatingFields;
[[nodiscard]] bool IsRating(FieldId field);

// The shown rating of a stored code: code / 2 + 50, truncating.
[[nodiscard]] constexpr std::int32_t RatingFromCode(std::int32_t code) { return code / 2 + 50; }

// The ratings shown for the stored codes.
inline constexpr std::int32_t kLowestRating = RatingFromCode(0);
inline constexpr std::int32_t kHighestRating = RatingFromCode(kHighestRatingCode);
// The stored code of a shown rating: 2 r - 100.
[[nodiscard]] constexpr std::int32_t CodeFromRating(std::int32_t rating) {
  return 2 * rating - 100;
}

// The range of shown values the editor accepts for a ranged field: a
// rating's as shown, any other field's as stored.
struct ShownRange {
  std::int32_t low;
  std::int32_t high;
};
[[nodiscard]] ShownRange ShownRangeOf(const FieldDescriptor& field);

// The 32-bit sum of the values that enter the calculated overall. Values
// typed out of range may be anything, so the sum wraps rather than overflows.
[[nodiscard]] std::int32_t OverallSum(std::span<const std::int32_t> values);
// The sum that the calculated overall is taken from: the twenty ratings and
// the two shooting ranges, each as `shown` gives its shown value.
[[nodiscard]] std::int32_t OverallSumOf(const std::function<std::int32_t(FieldId)>& shown);
// The calculated overall: the 32-bit sum of the twenty shown ratings and
// the two shooting ranges, times 0.05.
[[nodiscard]] double CalculatedOverallOf(std::int32_t sum);
// "%.*g" at precision 15, as the ratings page shows it.
[[nodiscard]] std::string OverallText(double overall);

}  // namespace korvale
