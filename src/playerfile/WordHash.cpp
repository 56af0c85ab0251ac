#include "WordHash.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace korvale {
namespace {

constexpr std::uint64_t kPrime = 1099511628211ULL;

std::uint64_t ByteSwapped(std::uint64_t word) {
  std::uint64_t swapped = 0;
  for (int i = 0; i < 8; ++i) swapped = (swapped << 8) | ((word >> (8 * i)) & 0xFF);
  return swapped;
}

std::uint64_t Folded(std::uint64_t hash, const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = ByteSwapped(word);
  hash = (hash ^ word) * kPrime;
  return hash ^ (hash >> 32);
}

}  // namespace

void WordHash::Add(std::string_view bytes) {
  if (!pending_.empty()) {
    const std::size_t take = std::min(bytes.size(), 8 - pending_.size());
    pending_.append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    if (pending_.size() < 8) return;
    hash_ = Folded(hash_, pending_.data());
    pending_.clear();
  }
  std::size_t at = 0;
  for (; bytes.size() - at >= 8; at += 8) hash_ = Folded(hash_, bytes.data() + at);
  pending_.assign(bytes.substr(at));
}

std::uint32_t WordHash::Value() const {
  std::uint64_t hash = hash_;
  for (const char c : pending_) hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::uint32_t WordChecksum(std::string_view bytes) {
  WordHash hash;
  hash.Add(bytes);
  return hash.Value();
}

}  // namespace korvale
