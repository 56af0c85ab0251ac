#pragma once

#include <cstddef>
#include <iosfwd>
#include <iterator>
#include <string_view>
#include <vector>

#include "TableChunks.h"

namespace korvale::cli {

// The bytes of a JSON table for the parser, read a piece at a time, with
// the bounds that keep memory flat whatever the table holds: a string,
// number or word longer than kLongestCell bytes, or arrays and objects
// nested deeper than kDeepest, end the input where the bound is passed,
// and Stop() says which.
class JsonInput {
 public:
  enum class Stop { None, LongKey, LongValue, TooDeep };
  static constexpr std::size_t kDeepest = 64;

  explicit JsonInput(std::istream& in) : chunks_(in) {}

  // What the parser reads: the bytes up to the end or the stop.
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    Iterator() = default;  // the end
    explicit Iterator(JsonInput& input) : input_(&input) {}
    reference operator*() const { return input_->piece_[input_->at_]; }
    Iterator& operator++() {
      ++input_->at_;
      return *this;
    }
    void operator++(int) { ++*this; }
    bool operator==(const Iterator& other) const { return AtEnd() == other.AtEnd(); }

   private:
    [[nodiscard]] bool AtEnd() const { return input_ == nullptr || !input_->Ready(); }
    JsonInput* input_ = nullptr;
  };

  [[nodiscard]] Iterator begin() { return Iterator(*this); }
  [[nodiscard]] static Iterator end() { return {}; }
  [[nodiscard]] Stop Stopped() const { return stop_; }

 private:
  // Whether a byte is there to read, loading the next piece when needed.
  bool Ready();
  // Follows the piece's tokens; the bytes before a passed bound are usable.
  std::size_t Usable(std::string_view piece);
  void Byte(char c);
  void StartToken(bool key);

  TableChunks chunks_;
  std::string_view piece_;
  std::size_t at_ = 0;
  std::size_t usable_ = 0;  // the bytes of piece_ the parser may read
  Stop stop_ = Stop::None;
  bool ended_ = false;
  bool inString_ = false;
  bool escaped_ = false;
  bool inWord_ = false;        // a number or a literal outside strings
  bool key_ = false;           // the string read now is an object's key
  bool expectKey_ = false;     // the next string in this object is a key
  std::size_t token_ = 0;      // the bytes of the token read now
  std::vector<bool> objects_;  // for each open array or object: an object
};

}  // namespace korvale::cli
