#include "TableInput.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

#include "CsvSplitter.h"
#include "Windows1252.h"

namespace korvale::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence at `at` (shortest form, no surrogates,
// at most U+10FFFF), or 0 when there is none.
std::size_t SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
  };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : 0;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0) return 0;
  unsigned low = 0x80, high = 0xBF;  // the second byte's bounds
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = SequenceAt(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// The first comma, semicolon or tab outside quotes, else a comma.
char DelimiterOf(std::string_view headerLine) {
  bool quoted = false;
  for (const char c : headerLine) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == ',' || c == ';' || c == '\t')) return c;
  }
  return ',';
}

// Feeds the splitter a line at a time and hands each row on, remembering
// the line it starts on.
class CsvReader final : public CsvSink {
 public:
  CsvReader(const TableOptions& options, RowSink& sink) : options_(options), sink_(sink) {}

  void Read(std::istream& in) {
    std::string line;
    while (!failed_ && std::getline(in, line)) {
      if (!in.eof()) line += '\n';
      FeedLine(line);
      ++line_;
    }
    if (!failed_ && splitter_ && !splitter_->Finish()) {
      line_ = rowLine_;  // an open quote: the row that has it
      Fail(std::string("not valid CSV: ") + splitter_->Error());
    }
    if (!failed_ && !header_) sink_.Fault({"1", "", "no header row"});
  }

  void Field(std::string_view bytes) override {
    inRow_ = true;
    if (!header_) {
      headerCells_.emplace_back(bytes);
    } else if (count_ < row_.cells.size()) {
      Take(row_.cells[count_].second, bytes);
    }
    ++count_;
    empty_ = empty_ && bytes.empty();
  }

  void EndRow() override {
    if (!header_) {
      header_ = true;
      for (std::string& column : headerCells_) row_.cells.emplace_back(std::move(column), Cell{});
      std::vector<std::string> columns;
      for (const auto& cell : row_.cells) columns.push_back(cell.first);
      sink_.Header(columns);
    } else if (!empty_) {
      Deliver();
    }
    count_ = 0;
    empty_ = true;
    inRow_ = false;
    rowLine_ = line_ + 1;
  }

 private:
  void FeedLine(std::string& line) {
    if (line_ == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    if (options_.encoding == TableEncoding::Windows1252) {
      line = Cp1252ToUtf8(line);
    } else if (!IsUtf8(line)) {
      return Fail("not valid UTF-8; for a table in Windows-1252 add --encoding windows-1252");
    }
    if (!splitter_) {
      splitter_ =
          MakeCsvSplitter(*this, options_.delimiter != 0 ? options_.delimiter : DelimiterOf(line));
    }
    if (!inRow_ && (line == "\n" || line == "\r\n")) {
      rowLine_ = line_ + 1;
    } else if (!splitter_->Feed(line)) {
      Fail(std::string("not valid CSV: ") + splitter_->Error());
    }
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
  std::unique_ptr<CsvSplitter> splitter_;
  bool header_ = false;
  std::vector<std::string> headerCells_;
  InputRow row_;           // the header's columns, each with the last row's cell
  std::size_t count_ = 0;  // the cells of the row so far
  bool empty_ = true;      // every cell so far is empty
  bool inRow_ = false;
  bool failed_ = false;
  std::size_t line_ = 1;
  std::size_t rowLine_ = 1;
};

using Json = nlohmann::json;

// Hands on each element of the top array as a row, as the parser meets
// it; a nested array or object where a value belongs becomes unusable.
class JsonReader final : public nlohmann::json_sax<Json> {
 public:
  explicit JsonReader(RowSink& sink) : sink_(sink) {}

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
    repeated_ = depth_ == 2 && !keys_.insert(key).second;
    if (repeated_) sink_.Fault({Where(), key, "repeated key"});
    key_ = std::move(key);
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override {
    sink_.Fault({"input", "", std::string("not valid JSON: ") + e.what()});
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

  RowSink& sink_;
  int depth_ = 0;
  int skip_ = 0;
  bool repeated_ = false;  // the key is the element's second: its value is left out  // the depth
                           // inside a value that is skipped
  std::int64_t element_ = 0;
  InputRow row_;
  std::string key_;
  std::set<std::string> keys_;
};

}  // namespace

std::string FormatProblem(const Problem& problem) {
  if (problem.column.empty()) return problem.where + ": " + problem.message;
  return problem.where + ":" + problem.column + ": " + problem.message;
}

void ReadTable(std::istream& in, const TableOptions& options, RowSink& sink) {
  if (options.format == TableFormat::Csv) {
    CsvReader(options, sink).Read(in);
    return;
  }
  JsonReader reader(sink);
  Json::sax_parse(in, &reader);
}

bool IsUtf8Stream(std::istream& in) {
  std::string line;
  while (std::getline(in, line)) {
    if (!IsUtf8(line)) return false;
  }
  return true;
}

}  // namespace korvale::cli
