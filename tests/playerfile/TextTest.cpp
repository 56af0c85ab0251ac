#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "TextLimit.h"
#include "Utf8.h"
#include "VisibleText.h"

namespace korvale {
namespace {

TEST(Utf8, ReadsTheShortestFormsUpToTheLastCodePoint) {
  const struct {
    std::string text;
    std::size_t length;  // of the first character, 0 for none
    char32_t code;
    std::size_t utf16;
  } cases[] = {
      {"A", 1, U'A', 1},
      {"\xC2\x80", 2, 0x80, 1},
      {"\xDF\xBF", 2, 0x7FF, 1},
      {"\xE0\xA0\x80", 3, 0x800, 1},
      {"\xED\x9F\xBF", 3, 0xD7FF, 1},
      {"\xEF\xBF\xBF", 3, 0xFFFF, 1},
      {"\xF0\x90\x80\x80", 4, 0x10000, 2},
      {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF, 2},
      {"\xC0\x80", 0, 0, 1},          // overlong NUL
      {"\xC1\xBF", 0, 0, 1},          // overlong
      {"\xE0\x9F\xBF", 0, 0, 1},      // overlong
      {"\xF0\x8F\xBF\xBF", 0, 0, 2},  // overlong
      {"\xED\xA0\x80", 0, 0, 1},      // a surrogate
      {"\xF4\x90\x80\x80", 0, 0, 2},  // beyond U+10FFFF
      {"\xF5\x80\x80\x80", 0, 0, 2},  // no such lead
      {"\x80", 0, 0, 0},              // no lead at all
      {"\xE2\x82", 0, 0, 1},          // cut short
      {"\xE2\x28\xA1", 0, 0, 2},      // a continuation missing
  };
  for (const auto& c : cases) {
    const Utf8Character first = Utf8CharacterAt(c.text, 0);
    EXPECT_EQ(first.length, c.length) << c.text;
    EXPECT_EQ(std::uint32_t{first.code}, std::uint32_t{c.code}) << c.text;
    for (const std::string& framed :
         {c.text, "1234567" + c.text, "12345678" + c.text + "12345678"}) {
      EXPECT_EQ(IsUtf8(framed), c.length == c.text.size()) << framed;  // within ASCII words
    }
    EXPECT_EQ(Utf16Length(c.text), c.utf16) << c.text;
  }
}

TEST(Utf8, EveryLengthsEdgeSurvivesARoundTrip) {
  for (const char32_t code : {0x0U, 0x7FU, 0x80U, 0x7FFU, 0x800U, 0xFFFFU, 0x10000U, 0x10FFFFU}) {
    std::string text;
    AppendUtf8(text, code);
    const Utf8Character back = Utf8CharacterAt(text, 0);
    EXPECT_EQ(back.length, text.size()) << text;
    EXPECT_EQ(std::uint32_t{back.code}, std::uint32_t{code}) << text;
  }
}

TEST(VisibleText, EscapesWhatDrivesATerminalOrTurnsTheText) {
  const struct {
    std::string text;
    std::string shown;
    std::string control;
  } cases[] = {
      {"Jos\xC3\xA9 \xE2\x82\xAC", "Jos\xC3\xA9 \xE2\x82\xAC", ""},
      {"a\tb\x7F", "a\\x09b\\x7F", "\\x09"},
      {"\xC2\x9B"
       "2J",
       "\\x9B2J", "\\x9B"},
      {"\xC2\xA0", "\xC2\xA0", ""},
      {"x\xE2\x80\xAEy\xEF\xBB\xBF", "x\\u202Ey\\uFEFF", ""},
      {"\xC0\x8A\xFF", "\\xC0\\x8A\\xFF", ""},  // no UTF-8: shown, but no control character
      {"\xE2\x82\n", "\\xE2\\x82\\x0A", "\\x0A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VisibleText(c.text), c.shown) << c.text;
    EXPECT_EQ(ControlCharacterIn(c.text), c.control) << c.text;
  }
}

TEST(TextLimit, TakesFileCharactersWithinTheLimitAndTheShownTextAsItIs) {
  using enum LimitedText;
  const struct {
    std::u16string text;
    int limit;
    std::u16string shown;
    LimitedText verdict;
  } cases[] = {
      {u"Abecd", 5, u"Abe", Fits},
      {u"Abecde", 5, u"Abe", Refused},
      {u"Abe\u20AC\u00E9\u0081\t", 8, u"", Fits},
      {u"Abe\u0141", 8, u"", Refused},
      {u"Abe\xD83D", 8, u"", Refused},  // half of a pair
      {u"x\r\ny", 9, u"", Refused},
      {u"", 5, u"", Fits},
      {std::u16string(40, u'a'), 0, u"", Fits},
      {u"Abcdefg", 5, u"Abcdefg", AsShown},
      {u"Abcdef", 5, u"Abcdefg", AsShown},
      {u"Acdeg", 4, u"Abcdefg", AsShown},
      {u"Abcdefx", 5, u"Abcdefg", Refused},
      {u"Abdcefg", 5, u"Abcdefg", Refused},
      {u"Abcdefgg", 5, u"Abcdefg", Refused},
      {u"Abc", 5, u"Abcdefg", Fits},
      {u"\u4E2D", 5, u"\u4E2D", AsShown},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JudgeLimitedText(c.text, c.limit, c.shown), c.verdict) << c.text.size();
    const std::wstring text(c.text.begin(), c.text.end());
    const std::wstring shown(c.shown.begin(), c.shown.end());
    EXPECT_EQ(JudgeLimitedText(text, c.limit, shown), c.verdict) << c.text.size();
  }
}

}  // namespace
}  // namespace korvale
