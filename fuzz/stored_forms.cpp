// Every stored-form decoder on arbitrary field text, and the encoders on the
// values they give: decoding what an encoder wrote gives the value back.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "RecordLayout.h"
#include "StoredForms.h"
#include "Windows1252.h"

using namespace korvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t number = ReadNumber(text);
  const std::string_view trimmed = TrimTrailing(text);
  FUZZ_CHECK(trimmed.size() <= text.size());
  FUZZ_CHECK(trimmed.empty() || !IsWhiteSpace(trimmed.back()));
  (void)DecodeFlag(text);
  for (int count = 1; count <= 26; ++count) {
    if (auto index = DecodeLetter(text, count)) FUZZ_CHECK(*index >= 0 && *index < count);
  }
  for (const FieldDescriptor& field : kRecordLayout) {
    if (!field.written || field.form == StoredForm::Text || field.form == StoredForm::Flag)
      continue;
    const std::int64_t value =
        field.hasRange ? (number % (field.high - field.low + 1) + field.low) : number;
    if (!field.Accepts(value)) continue;
    const std::string stored = EncodeValue(field, value);
    if (field.form == StoredForm::Letter) {
      FUZZ_CHECK(DecodeLetter(stored, field.high + 1) == value);
    } else {
      FUZZ_CHECK(stored.size() == field.writeWidth);
      FUZZ_CHECK(ReadNumber(stored) == value);
    }
  }
  const auto back = Utf8ToCp1252(Cp1252ToUtf8(text));
  FUZZ_CHECK(back && *back == text);
  return 0;
}
