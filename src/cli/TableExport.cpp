#include "TableExport.h"

#include <charconv>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "Derived.h"
#include "RecordSource.h"

namespace korvale::cli {
namespace {

constexpr std::size_t kFlushAt = 1 << 20;

std::vector<std::string> ColumnNames(bool derived) {
  std::vector<std::string> names{"Record"};
  for (const FieldDescriptor& f : kRecordLayout) names.emplace_back(f.name);
  if (derived) names.insert(names.end(), kDerivedColumns.begin(), kDerivedColumns.end());
  return names;
}

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Rows are built in one buffer that goes to the stream in large pieces.
class TableWriter {
 public:
  explicit TableWriter(std::ostream& out) : out_(out) { buffer_.reserve(kFlushAt + 4096); }
  virtual ~TableWriter() = default;
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  virtual void Begin(const std::vector<std::string>& columns) = 0;
  virtual void Cell(const Shown& value) = 0;
  virtual void EndRow() = 0;
  virtual void End() = 0;

 protected:
  void FlushIfFull() {
    if (buffer_.size() >= kFlushAt) Flush();
  }
  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }
  std::string buffer_;

 private:
  std::ostream& out_;
};

class CsvWriter final : public TableWriter {
 public:
  using TableWriter::TableWriter;
  void Begin(const std::vector<std::string>& columns) override {
    for (const std::string& c : columns) Cell(Shown{c});
    EndRow();
  }
  void Cell(const Shown& value) override {
    if (!first_) buffer_ += ',';
    first_ = false;
    if (const auto* n = std::get_if<std::int64_t>(&value)) {
      AppendNumber(buffer_, *n);
    } else if (const auto* b = std::get_if<bool>(&value)) {
      buffer_ += *b ? "true" : "false";
    } else if (const auto* s = std::get_if<std::string>(&value)) {
      AppendText(*s);
    }
  }
  void EndRow() override {
    buffer_ += "\r\n";
    first_ = true;
    FlushIfFull();
  }
  void End() override { Flush(); }

 private:
  // RFC 4180 quoting, also for blanks at either end so that no reader trims them.
  void AppendText(const std::string& s) {
    const bool quote = s.find_first_of(",\"\r\n") != std::string::npos ||
                       (!s.empty() && (s.front() == ' ' || s.back() == ' '));
    if (!quote) {
      buffer_ += s;
      return;
    }
    buffer_ += '"';
    for (const char c : s) {
      if (c == '"') buffer_ += '"';
      buffer_ += c;
    }
    buffer_ += '"';
  }
  bool first_ = true;
};

class JsonWriter final : public TableWriter {
 public:
  using TableWriter::TableWriter;
  void Begin(const std::vector<std::string>& columns) override {
    for (const std::string& c : columns) keys_.push_back(nlohmann::json(c).dump() + ':');
    buffer_ += '[';
  }
  void Cell(const Shown& value) override {
    buffer_ += column_ == 0 ? (rows_ == 0 ? "\n{" : ",\n{") : ",";
    buffer_ += keys_[column_++];
    if (const auto* n = std::get_if<std::int64_t>(&value)) {
      AppendNumber(buffer_, *n);
    } else if (const auto* b = std::get_if<bool>(&value)) {
      buffer_ += *b ? "true" : "false";
    } else if (const auto* s = std::get_if<std::string>(&value)) {
      buffer_ += nlohmann::json(*s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    } else {
      buffer_ += "null";
    }
  }
  void EndRow() override {
    buffer_ += '}';
    column_ = 0;
    ++rows_;
    FlushIfFull();
  }
  void End() override {
    buffer_ += "\n]\n";
    Flush();
  }

 private:
  std::vector<std::string> keys_;
  std::size_t column_ = 0;
  std::int64_t rows_ = 0;
};

}  // namespace

void ExportTable(PlayerFileState& file, std::ostream& out, TableFormat format, bool derived) {
  std::unique_ptr<TableWriter> writer;
  if (format == TableFormat::Csv) {
    writer = std::make_unique<CsvWriter>(out);
  } else {
    writer = std::make_unique<JsonWriter>(out);
  }
  writer->Begin(ColumnNames(derived));
  RecordSource source(file);
  source.ForEach([&](const RecordSpan& record) {
    writer->Cell(Shown{record.index});
    for (const FieldDescriptor& f : kRecordLayout) writer->Cell(ShownValue(record, f));
    if (derived) {
      for (std::string& text : DerivedTexts(record)) writer->Cell(Shown{std::move(text)});
    }
    writer->EndRow();
  });
  writer->End();
}

}  // namespace korvale::cli
