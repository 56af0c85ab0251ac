#include "CsvSplitter.h"

namespace korvale::cli {
namespace {

// The same states, and so the same results, as libcsv in strict mode with
// no blank trimming: the reader gives the same answers on every platform.
class BuiltInCsvSplitter final : public CsvSplitter {
 public:
  BuiltInCsvSplitter(CsvSink& sink, char delimiter) : sink_(sink), delimiter_(delimiter) {}

  bool Feed(std::string_view piece) override {
    if (failure_ != CsvFailure::None) return false;
    for (const char c : piece) {
      if (!Step(c)) return Fail(CsvFailure::Format);
      if (field_.size() > kLongestCell) return Fail(CsvFailure::CellTooLong);
    }
    return true;
  }

  bool Finish() override {
    if (failure_ != CsvFailure::None) return false;
    if (state_ == State::InField && quoted_) return Fail(CsvFailure::Format);
    if (state_ != State::BeforeRow) EndField(true);
    state_ = State::BeforeRow;
    return true;
  }

  [[nodiscard]] CsvFailure Failure() const override { return failure_; }

  [[nodiscard]] std::string Error() const override {
    return "error parsing data while strict checking enabled";
  }

 private:
  enum class State { BeforeRow, BeforeField, InField, AfterQuote };

  static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

  bool Fail(CsvFailure failure) {
    failure_ = failure;
    return false;
  }

  bool Step(char c) {
    switch (state_) {
      case State::BeforeRow:
      case State::BeforeField: return Begin(c);
      case State::InField: return Continue(c);
      case State::AfterQuote: return AfterQuote(c);
    }
    return false;
  }

  bool Begin(char c) {
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

  bool Continue(char c) {
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

  bool AfterQuote(char c) {
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

  void EndField(bool endsRow) {
    sink_.Field(field_);
    field_.clear();
    quoted_ = false;
    state_ = State::BeforeField;
    if (endsRow) {
      sink_.EndRow();
      state_ = State::BeforeRow;
    }
  }

  CsvSink& sink_;
  char delimiter_;
  State state_ = State::BeforeRow;
  bool quoted_ = false;
  std::string field_;
  CsvFailure failure_ = CsvFailure::None;
};

}  // namespace

std::unique_ptr<CsvSplitter> MakeBuiltInCsvSplitter(CsvSink& sink, char delimiter) {
  return std::make_unique<BuiltInCsvSplitter>(sink, delimiter);
}

}  // namespace korvale::cli
