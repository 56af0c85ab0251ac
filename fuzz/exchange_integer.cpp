// The integer reading of the editor's boxes: whatever it accepts is one
// blank-surrounded integer whose digits say the value.
#include <cstdint>
#include <string>
#include <string_view>

#include "ExchangeInteger.h"
#include "FuzzCheck.h"
#include "StoredForms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = korvale::ParseExchangeInteger(text);
  if (!value) return 0;
  const std::string_view read = text.substr(0, 31);
  for (const char c : read) {
    FUZZ_CHECK(c == ' ' || c == '\t' || c == '+' || c == '-' || (c >= '0' && c <= '9'));
  }
  // Within 32 bits the standard number reading agrees.
  FUZZ_CHECK(korvale::ReadNumber(read) == *value);
  return 0;
}
