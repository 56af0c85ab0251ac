#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "Shown.h"

namespace korvale::cli {

struct TableStyle;

// Writes a table a cell at a time; rows are built in one buffer that goes
// to the stream in large pieces.
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
  static constexpr std::size_t kFlushAt = 1 << 20;
  std::ostream& out_;
};

// The CSV or JSON writer of the style, which must outlive it: CSV quotes
// every text cell, so that a spreadsheet keeps it a text.
[[nodiscard]] std::unique_ptr<TableWriter> MakeTableWriter(std::ostream& out,
                                                           const TableStyle& style);

// A field's value as a table shows it: with labels, a list field's code
// becomes its entry text when it has one.
[[nodiscard]] Shown TableValue(FieldId field, Shown value, bool labels);

}  // namespace korvale::cli
