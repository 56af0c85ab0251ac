#pragma once

#include <functional>
#include <string>
#include <vector>

#include "PageHost.h"

// A form for pages under test: the file state, messages kept by `Log`
// and a log of what the page asked of the form.
template <typename Log>
class FakePageHost : public PageHost {
 public:
  explicit FakePageHost(korvale::FileSystem& system = korvale::SystemFileSystem()) : file(system) {}

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
  void FillTeamChoice() override { calls.emplace_back("FillTeamChoice"); }
  void FillPlayerList() override { calls.emplace_back("FillPlayerList"); }
  void SyncPlayerList() override { calls.emplace_back("SyncPlayerList"); }
  void FillRosterList() override { calls.emplace_back("FillRosterList"); }
  void ShowCurrentRecord() override {
    calls.emplace_back("ShowCurrentRecord");
    if (onShowCurrentRecord) onShowCurrentRecord();
  }

  korvale::PlayerFileState file;
  Log messages;
  korvale::history::Recorder history;
  CloseGate gate;
  std::vector<std::string> calls;
  std::function<void()> onShowCurrentRecord;
};
