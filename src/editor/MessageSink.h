#pragma once

#include <string>

// Where the program's messages go (UTF-8 text). Every box is captioned with
// the application title. A front end shows message boxes; tests install a
// recorder so that nothing waits on a modal loop.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A validation message: exclamation icon, OK button.
  virtual void Warn(const std::string& text) = 0;
  // A file error: stop icon, OK button.
  virtual void Stop(const std::string& text) = 0;
};
