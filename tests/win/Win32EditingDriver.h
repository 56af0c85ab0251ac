#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "EditingDriver.h"
#include "MessageLog.h"
#include "ReadableHoldFileSystem.h"

class CKorvaleView;

namespace korvale::testing {

// The editing cases on the Windows editor form: the real view, its pages and
// their controls in the tests' shown and active frame, on the real file
// system (the file it holds left readable for the runner), driven with
// focus changes, keys, characters and clicks that go through the message
// loop as the program's own loop runs it.
class Win32EditingDriver final : public EditingDriver {
 public:
  Win32EditingDriver();
  ~Win32EditingDriver() override;
  Win32EditingDriver(const Win32EditingDriver&) = delete;
  Win32EditingDriver& operator=(const Win32EditingDriver&) = delete;

  // Whether the window came up shown and active.
  [[nodiscard]] bool Active() const { return active_; }

  void AnswerFileDialog(const std::string& path) override { chosen_ = path; }
  void Type(int page, int control, const std::string& text) override;
  void Tab() override;
  void Escape() override;
  void Pick(int page, int control, int index) override;
  void Click(int page, int control) override;
  void Command(int id) override;
  void PickPlayer(int index) override;
  void PickTeam(int index) override;
  void ClickRosterRow(int row) override;
  void WheelPlayerList() override;
  void ChooseTab(int page) override;
  [[nodiscard]] int ShownRecord() override;
  [[nodiscard]] std::string Text(int page, int control) override;
  [[nodiscard]] MessageLog& Messages() override { return messages_; }

 private:
  // Every queued message through the view's dialog keys, then dispatched,
  // until none is left.
  void Pump();
  // A key on the window with the focus.
  void Press(UINT key);
  void ClickAt(HWND window, POINT at);
  // Opens the drop-down list and moves onto entry `index` with one arrow
  // key from its neighbour, then Enter.
  void PickInList(HWND combo, int index);
  ReadableHoldFileSystem files_;
  MessageLog messages_;
  std::optional<std::string> chosen_;
  std::unique_ptr<CKorvaleView> view_;
  bool active_ = false;
};

}  // namespace korvale::testing
