#pragma once

#include <QString>

// Where the program's messages go. Every box is captioned with the
// application title. The default shows message boxes; tests install a
// recorder so that nothing waits on a modal loop.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A validation message: exclamation icon, OK button.
  virtual void Warn(const QString& text) = 0;
  // A file error: stop icon, OK button.
  virtual void Stop(const QString& text) = 0;
};

// Message boxes on the screen, over the active window.
MessageSink& ScreenMessages();
