#pragma once

#include <optional>

#include <QString>

#include "CKorvaleView.h"
#include "EditingDriver.h"
#include "MessageLog.h"

namespace korvale::testing {

// The editing cases on the Qt editor form: the real view and pages on the
// real file system, driven through mouse clicks and key presses.
class QtEditingDriver final : public EditingDriver {
 public:
  QtEditingDriver();

  // Whether the form came up shown and active.
  [[nodiscard]] bool Active() const { return active_; }

  void AnswerFileDialog(const std::string& path) override;
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
  MessageLog messages_;
  std::optional<QString> chosen_;
  CKorvaleView view_;
  bool active_ = false;
};

}  // namespace korvale::testing
