#pragma once

#include <map>
#include <string>
#include <vector>

#include "MessageSink.h"
#include "PageControls.h"
#include "PageHost.h"

// Controls as plain values; a focus return runs at once, unless
// `deferFocus` keeps it in `pending`.
class FakeControls final : public PageControls {
 public:
  [[nodiscard]] std::string Text(int c) const override {
    return texts.contains(c) ? texts.at(c) : "";
  }
  void SetText(int c, const std::string& text) override { texts[c] = text; }
  void LimitText(int c, int limit, const std::string&) override { limits[c] = limit; }
  [[nodiscard]] bool Checked(int c) const override { return checks.contains(c) && checks.at(c); }
  void SetChecked(int c, bool checked) override { checks[c] = checked; }
  void SetEntries(int c, const std::vector<std::string_view>& e) override { entries[c] = e; }
  [[nodiscard]] int Selection(int c) const override {
    return selections.contains(c) ? selections.at(c) : -1;
  }
  void Select(int c, int index) override { selections[c] = index; }
  void SetEnabled(int c, bool enabled) override { this->enabled[c] = enabled; }
  void FocusLater(int c, std::function<void()> done) override {
    focus = c;
    if (deferFocus) {
      pending = std::move(done);
    } else {
      done();
    }
  }

  std::map<int, std::string> texts;
  std::map<int, int> limits;
  std::map<int, bool> checks;
  std::map<int, std::vector<std::string_view>> entries;
  std::map<int, int> selections;
  std::map<int, bool> enabled;
  int focus = 0;
  bool deferFocus = false;
  std::function<void()> pending;
};

// Keeps every message instead of showing it.
class MessageLog final : public MessageSink {
 public:
  void Warn(const std::string& text) override { warnings.push_back(text); }
  void Stop(const std::string& text) override { stops.push_back(text); }

  std::vector<std::string> warnings, stops;
};

// A view for rules under test: the file state, messages and a call log.
class FakeHost : public PageHost {
 public:
  FakeHost() : file(korvale::SystemFileSystem()) {}

  korvale::PlayerFileState& File() override { return file; }
  MessageSink& Messages() override { return messages; }
  korvale::history::Recorder& History() override { return history; }
  CloseGate& Gate() override { return gate; }
  void ShowPlayerId(std::int32_t id) override {
    calls.push_back("ShowPlayerId " + std::to_string(id));
  }
  void SelectTeamChoice(int index) override {
    calls.push_back("SelectTeamChoice " + std::to_string(index));
  }
  void FillPlayerList() override { calls.push_back("FillPlayerList"); }
  void SyncPlayerList() override { calls.push_back("SyncPlayerList"); }
  void FillRosterList() override { calls.push_back("FillRosterList"); }
  void ShowCurrentRecord() override { calls.push_back("ShowCurrentRecord"); }
  void FillTeamChoice() override { calls.push_back("FillTeamChoice"); }

  korvale::PlayerFileState file;
  MessageLog messages;
  korvale::history::Recorder history;
  CloseGate gate;
  std::vector<std::string> calls;
};
