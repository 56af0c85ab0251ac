#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "MessageLog.h"

namespace korvale::testing {

// A plain top-level window, shown and active, to hold the window under test.
class TestFrame {
 public:
  TestFrame();
  ~TestFrame();
  TestFrame(const TestFrame&) = delete;
  TestFrame& operator=(const TestFrame&) = delete;

  [[nodiscard]] HWND Window() const { return window_; }
  // Shows it and makes it the active window with the focus on this thread.
  [[nodiscard]] bool Activate() const;

 private:
  HWND window_ = nullptr;
};

// The frame every test may use: its children are the test's to destroy.
[[nodiscard]] TestFrame& SharedFrame();

// Runs the queued messages, `dialogKeys` first (the view's
// PreTranslateMessage), until `done` holds or nothing is left; at most a
// generous number of messages. True when `done` holds.
bool Pump(
    const std::function<bool(MSG&)>& dialogKeys,
    const std::function<bool()>& done = [] { return false; });

// A key pressed and released on the window with the focus, through the
// message queue as the keyboard delivers it.
void PressKey(UINT key, bool alt = false);

}  // namespace korvale::testing
