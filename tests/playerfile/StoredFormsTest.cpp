#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "StoredForms.h"
#include "Windows1252.h"

namespace korvale {
namespace {

TEST(StoredForms, ReadNumberFollowsTheStandardReading) {
  const struct {
    std::string text;
    std::int32_t value;
  } cases[] = {
      {" 8", 8},
      {"8 ", 8},
      {"-4", -4},
      {"  ", 0},
      {"-3", -3},
      {"abc", 0},
      {"", 0},
      {"+7", 7},
      {"\t\n12x", 12},
      {"- 3", 0},
      {"05", 5},
      {"00", 0},
      {"1975", 1975},
      {"   -3", -3},
      {"99999", 99999},
      {"12 34", 12},
      {"99999999999", std::numeric_limits<std::int32_t>::max()},
      {"-99999999999", std::numeric_limits<std::int32_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(StoredForms, TrimTrailingRemovesOnlyTrailingWhiteSpace) {
  EXPECT_EQ(TrimTrailing("  Smith \t\r\n\v\f"), "  Smith");
  EXPECT_EQ(TrimTrailing("   "), "");
  EXPECT_EQ(TrimTrailing("A B"), "A B");
}

TEST(StoredForms, EncodersGiveTheStoredBytes) {
  const struct {
    std::string got;
    std::string want;
  } cases[] = {
      {EncodeValue(Field(FieldId::PlayerNumber), 7), " 7"},
      {EncodeValue(Field(FieldId::PlayerNumber), -1), "-1"},
      {EncodeValue(Field(FieldId::DraftRound), 5), "  5"},
      {EncodeValue(Field(FieldId::DraftPlace), -1), " -1"},
      {EncodeValue(Field(FieldId::Games), 12), "   12"},
      {EncodeValue(Field(FieldId::Games), 99999), "99999"},
      {EncodeValue(Field(FieldId::BirthMonth), 3), "03"},
      {EncodeValue(Field(FieldId::BirthDay), 31), "31"},
      {EncodeValue(Field(FieldId::Position), 4), "4"},
      {EncodeValue(Field(FieldId::HairStyle), 16), "Q"},
      {EncodeValue(Field(FieldId::PlayerType), 0), "A"},
      {EncodeValue(Field(FieldId::IsRom), 1), "T"},
      {EncodeValue(Field(FieldId::IsRom), 0), "F"},
      {EncodeText("Smith", 8), "Smith   "},
      {EncodeText("", 3), "   "},
      {EncodeText("toolong", 3), "toolong"},
      {EncodeNumber(123, 2), "123"},
      {EncodeDigit(12), "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(StoredForms, FlagsAndLettersDecodeStrictly) {
  EXPECT_TRUE(DecodeFlag("T"));
  for (const char* no : {"t", "Y", " ", "F", "", "TT"}) EXPECT_FALSE(DecodeFlag(no)) << no;
  EXPECT_EQ(DecodeLetter("A", 12), 0);
  EXPECT_EQ(DecodeLetter("L", 12), 11);
  EXPECT_EQ(DecodeLetter("M", 12), std::nullopt);
  EXPECT_EQ(DecodeLetter("a", 12), std::nullopt);
  EXPECT_EQ(DecodeLetter(" ", 12), std::nullopt);
  EXPECT_EQ(DecodeLetter("", 12), std::nullopt);
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(Windows1252, MapsTheHighControlsAndRefusesOtherCharacters) {
  EXPECT_EQ(DecodeCp1252(0x80), U'\u20AC');
  EXPECT_EQ(DecodeCp1252(0x9F), U'\u0178');
  EXPECT_EQ(DecodeCp1252(0x81), U'\u0081');
  EXPECT_EQ(DecodeCp1252(0xE9), U'\u00E9');
  EXPECT_EQ(Utf8ToCp1252("Jos\xC3\xA9 \xE2\x82\xAC"), std::string("Jos\xE9 \x80"));
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), std::nullopt);      // a CJK character
  EXPECT_EQ(Utf8ToCp1252("\xC3"), std::nullopt);              // cut short
  EXPECT_EQ(Utf8ToCp1252("\x80"), std::nullopt);              // no lead byte
  EXPECT_EQ(Utf8ToCp1252("\xC0\xA9"), std::nullopt);          // overlong
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8F\x80"), std::nullopt);  // beyond 16 bits
  EXPECT_TRUE(IsAcceptedTextCharacter(U'\u00E9'));
  EXPECT_TRUE(IsAcceptedTextCharacter(U'\t'));
  for (char32_t refused : {U'\0', U'\r', U'\n', U'\u4E2D'}) {
    EXPECT_FALSE(IsAcceptedTextCharacter(refused));
  }
}

}  // namespace
}  // namespace korvale
