#include "CsvSplitter.h"

namespace korvale::cli {
namespace {

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

bool CsvSplitter::Feed(std::string_view piece) {
  if (failure_ != CsvFailure::None) return false;
  for (const char c : piece) {
    if (!Step(c)) return Fail(CsvFailure::Format);
    if (field_.size() > kLongestCell) return Fail(CsvFailure::CellTooLong);
  }
  return true;
}

bool CsvSplitter::Finish() {
  if (failure_ != CsvFailure::None) return false;
  if (state_ == State::InField && quoted_) return Fail(CsvFailure::Format);
  if (state_ != State::BeforeRow) EndField(true);
  state_ = State::BeforeRow;
  return true;
}

// The words of the strict readers before it, which tables and scripts may
// know.
std::string CsvSplitter::Error() { return "error parsing data while strict checking enabled"; }

bool CsvSplitter::Fail(CsvFailure failure) {
  failure_ = failure;
  return false;
}

bool CsvSplitter::Step(char c) {
  switch (state_) {
    case State::BeforeRow:
    case State::BeforeField: return Begin(c);
    case State::InField: return Continue(c);
    case State::AfterQuote: return AfterQuote(c);
  }
  return false;
}

bool CsvSplitter::Begin(char c) {
  if (c == delimiter_) {
    EndField(false);
  } else if (IsLineEnd(c)) {
    if (state_ == State::BeforeField) EndField(true);
  } else {
    quoted_ = c == '"';
    if (!quoted_) field_ += c;
    state_ = State::InField;
  }
  return true;
}

bool CsvSplitter::Continue(char c) {
  if (c == '"') {
    if (!quoted_) return false;
    state_ = State::AfterQuote;
  } else if (!quoted_ && (c == delimiter_ || IsLineEnd(c))) {
    EndField(c != delimiter_);
  } else {
    field_ += c;
  }
  return true;
}

bool CsvSplitter::AfterQuote(char c) {
  if (c == '"') {
    field_ += c;
    state_ = State::InField;
  } else if (c == delimiter_ || IsLineEnd(c)) {
    EndField(c != delimiter_);
  } else {
    return false;
  }
  return true;
}

void CsvSplitter::EndField(bool endsRow) {
  sink_.Field(field_);
  field_.clear();
  quoted_ = false;
  state_ = State::BeforeField;
  if (endsRow) {
    sink_.EndRow();
    state_ = State::BeforeRow;
  }
}

}  // namespace korvale::cli
