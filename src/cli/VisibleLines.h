#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace korvale::cli {

// Passes text on to another stream a line at a time, each line shown
// through VisibleText: whatever a message quotes (a file name, a table's
// cell, an option's value), nothing that reaches the stream can drive a
// terminal. Line feeds end lines; a last line without one goes on when
// the buffer is destroyed.
class VisibleLines final : public std::streambuf {
 public:
  explicit VisibleLines(std::ostream& to) : to_(to) {}
  ~VisibleLines() override;
  VisibleLines(const VisibleLines&) = delete;
  VisibleLines& operator=(const VisibleLines&) = delete;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  void Append(std::string_view text);

  std::ostream& to_;
  std::string line_;  // the line so far, not yet passed on
};

}  // namespace korvale::cli
