#include "Ratings.h"

#include <algorithm>
#include <cstdio>

namespace korvale {

const std::array<FieldId, 20> kRatingFields{FieldId::JumpShooting,
                                            FieldId::ThreePointers,
                                            FieldId::FreeThrows,
                                            FieldId::InsideShooting,
                                            FieldId::Dunking,
                                            FieldId::Jumping,
                                            FieldId::OffensiveRebounding,
                                            FieldId::DefensiveRebounding,
                                            FieldId::OffensiveAwareness,
                                            FieldId::DefensiveAwareness,
                                            FieldId::Blocking,
                                            FieldId::Stealing,
                                            FieldId::Passing,
                                            FieldId::Dribbling,
                                            FieldId::Speed,
                                            FieldId::Quickness,
                                            FieldId::Strength,
                                            FieldId::Fatigue,
                                            FieldId::Clutch,
                                            FieldId::Hardiness};

// Asked for every value shown or stored: one look-up in a table by field.
bool IsRating(FieldId field) {
  static const auto ratings = [] {
    std::array<bool, kFieldCount> is{};
    for (const FieldId id : kRatingFields) is[static_cast<std::size_t>(id)] = true;
    return is;
  }();
  const auto index = static_cast<std::size_t>(field);
  return index < ratings.size() && ratings[index];
}

ShownRange ShownRangeOf(const FieldDescriptor& field) {
  if (IsRating(IdOf(field))) return {RatingFromCode(field.low), RatingFromCode(field.high)};
  return {field.low, field.high};
}

std::int32_t OverallSum(std::span<const std::int32_t> values) {
  std::uint32_t sum = 0;
  for (const std::int32_t value : values) sum += static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>(sum);
}

std::int32_t OverallSumOf(const std::function<std::int32_t(FieldId)>& shown) {
  std::array<std::int32_t, kRatingFields.size() + 2> parts{};
  std::size_t n = 0;
  for (const FieldId field : kRatingFields) parts[n++] = shown(field);
  parts[n++] = shown(FieldId::ShootingRange);
  parts[n++] = shown(FieldId::ShootingRange2);
  return OverallSum(parts);
}

double CalculatedOverallOf(std::int32_t sum) { return static_cast<double>(sum) * 0.05; }

std::string OverallText(double overall) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", 15, overall);
  return buffer;
}

}  // namespace korvale
