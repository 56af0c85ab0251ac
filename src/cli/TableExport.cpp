#include "TableExport.h"

#include <charconv>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "Derived.h"
#include "ListEntries.h"
#include "RecordSource.h"
#include "TableWriter.h"

namespace korvale::cli {
namespace {

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

// A text that a spreadsheet would run as a formula gets an apostrophe in a
// table for Excel; one that begins with an apostrophe before such a
// character gets another in every CSV table, since import takes one away.
bool StartsLikeAFormula(std::string_view text, bool excel) {
  const auto formulaStart = [](std::string_view t) {
    return !t.empty() && std::string_view("=+-@").find(t.front()) != std::string_view::npos;
  };
  if (excel && formulaStart(text)) return true;
  return text.size() > 1 && text.front() == '\'' && formulaStart(text.substr(1));
}

class CsvWriter final : public TableWriter {
 public:
  CsvWriter(std::ostream& out, const TableStyle& style) : TableWriter(out), style_(style) {}
  void Begin(const std::vector<std::string>& columns) override {
    if (style_.excel) buffer_ += "\xEF\xBB\xBF";
    for (const std::string& c : columns) {
      Separate();
      AppendText(c, NeedsQuotes(c));
    }
    EndRow();
  }
  void Cell(const Shown& value) override {
    Separate();
    if (const auto* n = std::get_if<std::int64_t>(&value)) {
      AppendNumber(buffer_, *n);
    } else if (const auto* b = std::get_if<bool>(&value)) {
      buffer_ += *b ? "true" : "false";
    } else if (const auto* s = std::get_if<std::string>(&value)) {
      if (StartsLikeAFormula(*s, style_.excel)) {
        AppendText("'" + *s, true);
      } else {
        AppendText(*s, true);
      }
    }
  }
  void EndRow() override {
    buffer_ += "\r\n";
    first_ = true;
    FlushIfFull();
  }
  void End() override { Flush(); }

 private:
  void Separate() {
    if (!first_) buffer_ += style_.delimiter;
    first_ = false;
  }

  // RFC 4180 quoting where a header name needs it, also for blanks at
  // either end so that no reader trims them.
  [[nodiscard]] bool NeedsQuotes(const std::string& s) const {
    return s.find_first_of("\"\r\n") != std::string::npos ||
           s.find(style_.delimiter) != std::string::npos ||
           (!s.empty() && (s.front() == ' ' || s.back() == ' '));
  }

  void AppendText(const std::string& s, bool quote) {
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
  const TableStyle& style_;
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

std::unique_ptr<TableWriter> MakeTableWriter(std::ostream& out, const TableStyle& style) {
  if (style.format == TableFormat::Csv) return std::make_unique<CsvWriter>(out, style);
  return std::make_unique<JsonWriter>(out);
}

Shown TableValue(FieldId field, Shown value, bool labels) {
  if (!labels) return value;
  if (const auto* code = std::get_if<std::int64_t>(&value)) {
    if (const auto entry = EntryForCode(field, *code)) return Shown{std::string(*entry)};
  }
  return value;
}

void ExportTable(PlayerFileState& file, std::ostream& out, const TableStyle& style) {
  const std::unique_ptr<TableWriter> writer = MakeTableWriter(out, style);
  writer->Begin(ColumnNames(style.derived));
  RecordSource source(file);
  source.ForEach([&](const RecordSpan& record) {
    writer->Cell(Shown{record.index});
    for (const FieldDescriptor& f : kRecordLayout) {
      writer->Cell(TableValue(IdOf(f), ShownValue(record, f), style.labels));
    }
    if (style.derived) {
      for (std::string& text : DerivedTexts(record)) writer->Cell(Shown{std::move(text)});
    }
    writer->EndRow();
  });
  writer->End();
}

}  // namespace korvale::cli
