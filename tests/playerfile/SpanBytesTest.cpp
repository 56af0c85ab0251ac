#include "SpanBytes.h"

#include <gtest/gtest.h>

#include <string>

#include "SmallCopy.h"

namespace korvale {
namespace {

// Every length the fixed moves treat differently, copied forwards,
// backwards and in place over the bytes themselves.
TEST(SmallCopy, EveryLengthLandsWhole) {
  const std::string source = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (std::size_t n = 0; n <= 20; ++n) {
    for (const std::ptrdiff_t shift : {-3, 0, 3}) {
      std::string buffer = source;
      char* to = buffer.data() + 8 + shift;
      const char* end = CopySmall(to, std::string_view(buffer.data() + 8, n));
      EXPECT_EQ(end, to + n);
      EXPECT_EQ(buffer.substr(static_cast<std::size_t>(8 + shift), n), source.substr(8, n))
          << n << ' ' << shift;
      const std::size_t after = static_cast<std::size_t>(8 + shift) + n;
      EXPECT_EQ(buffer.substr(after), source.substr(after)) << n << ' ' << shift;
    }
  }
}

// Small over large, large over small, and bytes taken from themselves.
TEST(SpanBytes, KeepsWhatItIsGivenWhereverItLies) {
  const std::string longer = "a name of twenty-six bytes";
  for (const std::string& first : {std::string("80"), longer}) {
    for (const std::string& second : {std::string("7"), std::string(), longer, first}) {
      SpanBytes bytes = first;
      bytes.assign(second);
      EXPECT_EQ(bytes, second);
      const std::size_t skip = std::min<std::size_t>(1, second.size());
      bytes.assign(bytes.View().substr(skip));  // from within
      EXPECT_EQ(bytes, second.substr(skip));
      SpanBytes copy = bytes;
      SpanBytes moved = std::move(bytes);
      EXPECT_EQ(copy, moved);
      bytes = copy;  // usable again after the move
      EXPECT_EQ(bytes, moved);
    }
  }
}

}  // namespace
}  // namespace korvale
