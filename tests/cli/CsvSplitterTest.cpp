#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "CsvSplitter.h"

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

using Factory = std::function<std::unique_ptr<CsvSplitter>(CsvSink&, char)>;

// Feeds the pieces one after another, then finishes.
std::string Split(const Factory& make, std::initializer_list<std::string_view> pieces,
                  char delimiter) {
  Recorder recorder;
  const std::unique_ptr<CsvSplitter> splitter = make(recorder, delimiter);
  for (const std::string_view piece : pieces) {
    if (!splitter->Feed(piece)) return recorder.text + "!";
  }
  return recorder.text + (splitter->Finish() ? "" : "!");
}

// The platform's splitter (libcsv where there is one) and the built-in one
// must agree on every case.
TEST(CsvSplitterTest, BothSplittersCutTheSameWay) {
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
  for (const Factory& make : {Factory(MakeCsvSplitter), Factory(MakeBuiltInCsvSplitter)}) {
    for (const auto& c : cases) {
      EXPECT_EQ(Split(make, c.pieces, c.delimiter), c.expected) << *c.pieces.begin();
    }
  }
}

TEST(CsvSplitterTest, BothSplittersGiveTheSameReason) {
  const std::string tooLong = "a," + std::string(kLongestCell + 1, 'x') + ",b\n";
  for (const auto& [text, failure] :
       {std::pair<std::string, CsvFailure>{"a\"b", CsvFailure::Format},
        {tooLong, CsvFailure::CellTooLong}}) {
    Recorder a;
    Recorder b;
    const auto platform = MakeCsvSplitter(a);
    const auto builtIn = MakeBuiltInCsvSplitter(b);
    ASSERT_FALSE(platform->Feed(text));
    ASSERT_FALSE(builtIn->Feed(text));
    EXPECT_EQ(platform->Failure(), failure);
    EXPECT_EQ(builtIn->Failure(), failure);
    if (failure == CsvFailure::Format) {
      EXPECT_EQ(builtIn->Error(), platform->Error());
    }
  }
}

}  // namespace
}  // namespace korvale::cli
