#include "TableInput.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

#include "CsvSplitter.h"
#include "JsonInput.h"
#include "TableChunks.h"
#include "Utf8.h"
#include "VisibleText.h"
#include "Windows1252.h"

namespace korvale::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A table names at most this many columns, a JSON element this many keys:
// a record has 81 and the derived values 16, so more can only be wrong,
// and reading stops there rather than keep them all.
constexpr std::size_t kMostColumns = 1000;

std::string LongerThanAnyCell() { return "longer than " + std::to_string(kLongestCell) + " bytes"; }

// The first comma, semicolon or tab outside quotes, if any.
std::optional<char> DelimiterIn(std::string_view headerLine) {
  bool quoted = false;
  for (const char c : headerLine) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ',' || c == ';' || c == '\t')) return c;
  }
  return std::nullopt;
}

// Feeds the splitter a piece at a time and hands each row on, remembering
// the line it starts on. Nothing grows with a line's length: the splitter
// refuses a cell past kLongestCell, and the header's first line is held
// only until its delimiter shows.
class CsvReader final : public CsvSink {
 public:
  CsvReader(const TableOptions& options, RowSink& sink) : options_(options), sink_(sink) {}

  void Read(std::istream& in) {
    TableChunks chunks(in);
    bool first = true;
    for (std::string_view piece; !failed_ && !(piece = chunks.Next()).empty(); first = false) {
      if (first && piece.starts_with(kByteOrderMark)) piece.remove_prefix(kByteOrderMark.size());
      FeedPiece(piece);
    }
    if (!failed_ && !splitter_ && !headerStart_.empty()) StartSplitter();
    if (!failed_ && splitter_ && !splitter_->Finish()) {
      line_ = rowLine_;  // an open quote: the row that has it
      SplitterFailed();
    }
    if (!failed_ && !header_) sink_.Fault({"1", "", "no header row"});
  }

  void Field(std::string_view bytes) override {
    if (failed_) return;
    if (!header_) {
      if (headerCells_.size() == kMostColumns) {
        return Fail("more than " + std::to_string(kMostColumns) + " columns");
      }
      headerCells_.emplace_back(bytes);
    } else if (count_ < row_.cells.size()) {
      Take(row_.cells[count_].second, bytes);
    }
    ++count_;
    empty_ = empty_ && bytes.empty();
  }

  void EndRow() override {
    if (failed_) return;
    if (!header_) {
      header_ = true;
      for (std::string& column : headerCells_) row_.cells.emplace_back(std::move(column), Cell{});
      headerCells_ = {};
      std::vector<std::string> columns;
      for (const auto& cell : row_.cells) columns.push_back(cell.first);
      sink_.Header(columns);
    } else if (!empty_) {
      Deliver();
    }
    count_ = 0;
    empty_ = true;
    rowBegun_ = false;
    rowLine_ = line_ + 1;
  }

 private:
  // Cuts the piece at its line feeds.
  void FeedPiece(std::string_view piece) {
    while (!failed_ && !piece.empty()) {
      const std::size_t end = piece.find('\n');
      const std::size_t length = end == std::string_view::npos ? piece.size() : end + 1;
      FeedLinePart(piece.substr(0, length), end != std::string_view::npos);
      piece.remove_prefix(length);
    }
  }

  void FeedLinePart(std::string_view part, bool endsLine) {
    if (options_.encoding == TableEncoding::Windows1252) {
      converted_ = Cp1252ToUtf8(part);
      part = converted_;
    } else if (!IsUtf8(part)) {
      return Fail("not valid UTF-8; for a table in Windows-1252 add --encoding windows-1252");
    }
    const bool blank = part.find_first_not_of("\r\n") == std::string_view::npos;
    lineBlank_ = lineBlank_ && blank;
    rowBegun_ = rowBegun_ || !blank;
    if (splitter_) {
      if (!splitter_->Feed(part)) SplitterFailed();
    } else {
      headerStart_.append(part);
      if (endsLine || DelimiterIn(headerStart_) || headerStart_.size() > kLongestCell + 2) {
        StartSplitter();
      }
    }
    if (endsLine) {
      // A blank line between rows: the next row starts further down.
      if (lineBlank_ && !rowBegun_) rowLine_ = line_ + 1;
      ++line_;
      lineBlank_ = true;
    }
  }

  // The header's delimiter is the first one outside quotes, unless given.
  void StartSplitter() {
    const char delimiter =
        options_.delimiter != 0 ? options_.delimiter : DelimiterIn(headerStart_).value_or(',');
    splitter_.emplace(*this, delimiter);
    const std::string start = std::move(headerStart_);
    headerStart_ = {};
    if (!splitter_->Feed(start)) SplitterFailed();
  }

  void SplitterFailed() {
    if (failed_) return;
    if (splitter_->Failure() == CsvFailure::CellTooLong) return CellTooLong();
    Fail("not valid CSV: " + CsvSplitter::Error());
  }

  // Named by its row's line and its column, as every problem of a cell.
  void CellTooLong() {
    failed_ = true;
    const std::string where = std::to_string(rowLine_);
    if (header_ && count_ < row_.cells.size()) {
      return sink_.Fault({where, row_.cells[count_].first, LongerThanAnyCell()});
    }
    sink_.Fault({where, "", "cell " + std::to_string(count_ + 1) + " is " + LongerThanAnyCell()});
  }

  // A cell of the row kept from row to row: a text keeps its buffer.
  static void Take(Cell& cell, std::string_view bytes) {
    if (bytes.empty()) {
      cell = std::monostate{};
    } else if (auto* text = std::get_if<std::string>(&cell)) {
      text->assign(bytes);
    } else {
      cell.emplace<std::string>(bytes);
    }
  }

  void Deliver() {
    row_.where = std::to_string(rowLine_);
    if (count_ != row_.cells.size()) {
      return sink_.Fault({row_.where, "",
                          std::to_string(count_) + " cells where the header has " +
                              std::to_string(row_.cells.size())});
    }
    sink_.Row(row_);
  }

  void Fail(std::string why) {
    failed_ = true;
    sink_.Fault({std::to_string(line_), "", std::move(why)});
  }

  const TableOptions& options_;
  RowSink& sink_;
  std::optional<CsvSplitter> splitter_;
  std::string headerStart_;  // the header line up to its delimiter, before the splitter starts
  std::string converted_;    // a piece read as Windows-1252, as UTF-8
  bool header_ = false;
  std::vector<std::string> headerCells_;
  InputRow row_;           // the header's columns, each with the last row's cell
  std::size_t count_ = 0;  // the cells of the row so far
  bool empty_ = true;      // every cell so far is empty
  bool rowBegun_ = false;  // a byte other than a line end since the last row ended
  bool lineBlank_ = true;  // the line so far holds only line ends
  bool failed_ = false;
  std::size_t line_ = 1;
  std::size_t rowLine_ = 1;
};

using Json = nlohmann::json;

// Hands on each element of the top array as a row, as the parser meets
// it; a nested array or object where a value belongs becomes unusable.
class JsonReader final : public nlohmann::json_sax<Json> {
 public:
  JsonReader(const JsonInput& input, RowSink& sink) : input_(input), sink_(sink) {}

  bool null() override { return Value(Cell{}); }
  bool boolean(bool value) override { return Value(Cell{value}); }
  bool number_integer(std::int64_t value) override { return Value(Cell{value}); }
  bool number_unsigned(std::uint64_t value) override {
    if (value > static_cast<std::uint64_t>(INT64_MAX)) {
      return Value(Cell{Unusable{std::to_string(value), true}});
    }
    return Value(Cell{static_cast<std::int64_t>(value)});
  }
  bool number_float(double value, const std::string& text) override {
    if (std::trunc(value) == value && std::fabs(value) < 1e15) {
      return Value(Cell{static_cast<std::int64_t>(value)});
    }
    return Value(Cell{Unusable{"the fraction " + text}});
  }
  bool string(std::string& value) override { return Value(Cell{std::move(value)}); }
  bool binary(binary_t&) override { return Value(Cell{Unusable{"binary data"}}); }
  bool start_object(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(false); }
  bool end_array() override { return Close(); }
  bool key(std::string& key) override {
    if (depth_ == 2 && keys_.size() == kMostColumns) {
      sink_.Fault({Where(), "", "more than " + std::to_string(kMostColumns) + " keys"});
      return false;
    }
    repeated_ = depth_ == 2 && !keys_.insert(key).second;
    if (repeated_) sink_.Fault({Where(), key, "repeated key"});
    key_ = std::move(key);
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
    switch (input_.Stopped()) {
      case JsonInput::Stop::None:
        sink_.Fault({"input", "", std::string("not valid JSON: ") + e.what()});
        break;
      case JsonInput::Stop::LongValue:
        if (depth_ >= 2) {
          sink_.Fault({Where(), key_, LongerThanAnyCell()});
          break;
        }
        [[fallthrough]];
      case JsonInput::Stop::LongKey:
        sink_.Fault({depth_ >= 2 ? Where() : "input", "", "a key or value " + LongerThanAnyCell()});
        break;
      case JsonInput::Stop::TooDeep:
        sink_.Fault({depth_ >= 2 ? Where() : "input", "",
                     "nested deeper than " + std::to_string(JsonInput::kDeepest)});
        break;
    }
    return false;
  }

 private:
  [[nodiscard]] std::string Where() const { return std::to_string(element_); }

  bool Value(Cell cell) {
    if (skip_ > 0 || (depth_ == 2 && repeated_)) return true;
    if (depth_ == 2) {
      row_.cells.emplace_back(key_, std::move(cell));
    } else if (depth_ == 1) {
      ++element_;
      sink_.Fault({Where(), "", "not an object"});
    } else if (depth_ == 0) {
      return NotAnArray();
    }
    return true;
  }

  bool Open(bool object) {
    if (skip_ > 0) {
      ++skip_;
      return true;
    }
    if (depth_ == 0 && object) return NotAnArray();
    if (depth_ == 1 && object) {
      ++element_;
      row_ = {Where(), {}};
      keys_.clear();
    } else if (depth_ == 1) {
      Value(Cell{});  // "not an object"
      skip_ = 1;
      return true;
    } else if (depth_ == 2) {
      if (!repeated_) row_.cells.emplace_back(key_, Unusable{object ? "an object" : "an array"});
      skip_ = 1;
      return true;
    }
    ++depth_;
    return true;
  }

  bool Close() {
    if (skip_ > 0) {
      --skip_;
      return true;
    }
    --depth_;
    if (depth_ == 1 && !row_.where.empty()) {
      sink_.Row(row_);
      row_ = {};
    }
    return true;
  }

  bool NotAnArray() {
    sink_.Fault({"input", "", "not a JSON array of objects"});
    return false;
  }

  const JsonInput& input_;
  RowSink& sink_;
  int depth_ = 0;
  int skip_ = 0;           // the depth inside a value that is skipped
  bool repeated_ = false;  // the key is the element's second: its value is left out
  std::int64_t element_ = 0;
  InputRow row_;
  std::string key_;
  std::set<std::string> keys_;
};

}  // namespace

std::string FormatProblem(const Problem& problem) {
  if (problem.column.empty()) return VisibleText(problem.where + ": " + problem.message);
  return VisibleText(problem.where + ":" + problem.column + ": " + problem.message);
}

void ReadTable(std::istream& in, const TableOptions& options, RowSink& sink) {
  if (options.format == TableFormat::Csv) {
    CsvReader(options, sink).Read(in);
    return;
  }
  JsonInput input(in);
  JsonReader reader(input, sink);
  Json::sax_parse(input.begin(), JsonInput::end(), &reader);
}

bool IsUtf8Stream(std::istream& in) {
  TableChunks chunks(in);
  for (std::string_view piece; !(piece = chunks.Next()).empty();) {
    if (!IsUtf8(piece)) return false;
  }
  return true;
}

}  // namespace korvale::cli
