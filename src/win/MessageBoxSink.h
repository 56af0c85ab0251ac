#pragma once

#include <windows.h>

#include "MessageSink.h"

// Messages as message boxes captioned with the application title, owned by
// the window that is active on this thread.
class MessageBoxSink : public MessageSink {
 public:
  void Warn(const std::string& text) override;
  void Stop(const std::string& text) override;

 private:
  static void Show(const std::string& text, UINT icon);
};
