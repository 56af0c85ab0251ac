#include <gtest/gtest.h>

#include "CsvSplitter.h"
#ifndef _WIN32
#include "LibcsvSplitter.h"
#endif

namespace korvale::cli {
namespace {

// Records what a splitter finds as text: fields in brackets, rows ended by
// "|", and "!" where it fails.
class Recorder final : public CsvSink {
 public:
  void Field(std::string_view bytes) override { text += "[" + std::string(bytes) + "]"; }
  void EndRow() override { text += "|"; }
  std::string text;
};

// Feeds the pieces one after another, then finishes.
template <typename Splitter>
std::string Split(std::initializer_list<std::string_view> pieces, char delimiter) {
  Recorder recorder;
  Splitter splitter(recorder, delimiter);
  for (const std::string_view piece : pieces) {
    if (!splitter.Feed(piece)) return recorder.text + "!";
  }
  return recorder.text + (splitter.Finish() ? "" : "!");
}

// libcsv, where there is one, is the reference: it must agree on every case.
TEST(CsvSplitterTest, CutsAsTheReferenceDoes) {
  const std::string longest(kLongestCell, 'x');
  const std::string longer = longest + "x";
  const std::string quoted = "\"" + longest + "\",1\n";
  const std::string quotedLonger = "\"" + longer + "\",1\n";
  const struct {
    std::initializer_list<std::string_view> pieces;
    std::string expected;
    char delimiter = ',';
  } cases[] = {
      {{"a,b\n1,2\n"}, "[a][b]|[1][2]|"},
      {{"a,b\r\n1,2"}, "[a][b]|[1][2]|"},
      {{"a,b\r1,2\r"}, "[a][b]|[1][2]|"},
      {{"a,\n,\n"}, "[a][]|[][]|"},
      {{"\n\na\n\r\n"}, "[a]|"},
      {{" a , b \n"}, "[ a ][ b ]|"},
      {{"\"x,y\",\"say \"\"hi\"\"\"\n"}, "[x,y][say \"hi\"]|"},
      {{"\"line\nbreak\",2\n"}, "[line\nbreak][2]|"},
      {{"\"\",\"\"\n"}, "[][]|"},
      {{"\"split", " over\",", "pieces\n"}, "[split over][pieces]|"},
      {{"\"ends on quote\"", ",1\n"}, "[ends on quote][1]|"},
      {{"a\"b\n"}, "!"},
      {{"\"a\"b\n"}, "!"},
      {{"1,2\n\"open\n"}, "[1][2]|!"},
      {{"x\n\"a\" ,b\n"}, "[x]|!"},
      {{std::string_view("n\0l,2\n", 6)}, std::string("[n\0l][2]|", 9)},
      {{"a;b,c\n\"x;y\";\n"}, "[a][b,c]|[x;y][]|", ';'},
      {{"a\tb c\n\"\t\"\t2\n"}, "[a][b c]|[\t][2]|", '\t'},
      {{"\"a\";b\n"}, "!", ','},
      {{"a,", longest, "\n"}, "[a][" + longest + "]|"},
      {{quoted}, "[" + longest + "][1]|"},
      {{"a,", longer, "\n"}, "[a]!"},
      {{"a\n", quotedLonger}, "[a]|!"},
      {{"a,", longer}, "[a]!"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Split<CsvSplitter>(c.pieces, c.delimiter), c.expected) << *c.pieces.begin();
#ifndef _WIN32
    EXPECT_EQ(Split<LibcsvSplitter>(c.pieces, c.delimiter), c.expected) << *c.pieces.begin();
#endif
  }
}

TEST(CsvSplitterTest, GivesTheReasonTheReferenceGives) {
  const std::string tooLong = "a," + std::string(kLongestCell + 1, 'x') + ",b\n";
  for (const auto& [text, failure] :
       {std::pair<std::string, CsvFailure>{"a\"b", CsvFailure::Format},
        {tooLong, CsvFailure::CellTooLong}}) {
    Recorder recorder;
    CsvSplitter splitter(recorder);
    ASSERT_FALSE(splitter.Feed(text));
    EXPECT_EQ(splitter.Failure(), failure);
#ifndef _WIN32
    LibcsvSplitter reference(recorder);
    ASSERT_FALSE(reference.Feed(text));
    EXPECT_EQ(reference.Failure(), failure);
    if (failure == CsvFailure::Format) {
      EXPECT_EQ(CsvSplitter::Error(), reference.Error());
    }
#endif
  }
}

}  // namespace
}  // namespace korvale::cli
