#include "ExchangeEntry.h"

ExchangeEntry ExchangeEntry::Text(int c, std::string* v, int limit) {
  return {c, Kind::Text, v, limit, 0, 0};
}
ExchangeEntry ExchangeEntry::Integer(int c, std::int32_t* v) {
  return {c, Kind::Integer, v, 0, 0, 0};
}
ExchangeEntry ExchangeEntry::Ranged(int c, std::int32_t* v, std::int32_t low, std::int32_t high) {
  return {c, Kind::RangedInteger, v, 0, low, high};
}
ExchangeEntry ExchangeEntry::Real(int c, double* v) { return {c, Kind::Real, v, 0, 0, 0}; }
ExchangeEntry ExchangeEntry::Check(int c, std::int32_t* v) { return {c, Kind::Check, v, 0, 0, 0}; }
