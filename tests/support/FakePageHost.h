#pragma once

#include <QStringList>

#include "PageHost.h"
#include "RecordingMessages.h"

// A view for pages under test: the file state, recorded messages and a log
// of what the page asked of the view.
class FakePageHost : public PageHost {
 public:
  explicit FakePageHost(korvale::FileSystem& system = korvale::SystemFileSystem()) : file(system) {}

  korvale::PlayerFileState& File() override { return file; }
  MessageSink& Messages() override { return messages; }
  korvale::history::Recorder& History() override { return history; }
  CloseGate& Gate() override { return gate; }
  void ShowPlayerId(std::int32_t id) override { calls << QString("ShowPlayerId %1").arg(id); }
  void SelectTeamChoice(int index) override { calls << QString("SelectTeamChoice %1").arg(index); }
  void FillPlayerList() override { calls << "FillPlayerList"; }
  void SyncPlayerList() override { calls << "SyncPlayerList"; }
  void FillRosterList() override { calls << "FillRosterList"; }
  void ShowCurrentRecord() override {
    calls << "ShowCurrentRecord";
    if (onShowCurrentRecord) onShowCurrentRecord();
  }
  void FillTeamChoice() override { calls << "FillTeamChoice"; }

  korvale::PlayerFileState file;
  RecordingMessages messages;
  korvale::history::Recorder history;
  CloseGate gate;
  QStringList calls;
  std::function<void()> onShowCurrentRecord;
};
