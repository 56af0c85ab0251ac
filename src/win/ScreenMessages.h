#pragma once

#include <windows.h>

#include "MessageSink.h"

namespace korvale::win {

// Messages as message boxes captioned with the application title, owned
// by the main window (disabled while the box is up); before it exists, by
// the window active on this thread.
class ScreenMessages final : public MessageSink {
 public:
  explicit ScreenMessages(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  void Warn(const std::string& text) override { Show(text, MB_ICONEXCLAMATION | MB_OK); }
  void Stop(const std::string& text) override { Show(text, MB_ICONSTOP | MB_OK); }

 private:
  void Show(const std::string& text, UINT type) const;

  HWND owner_;
};

}  // namespace korvale::win
