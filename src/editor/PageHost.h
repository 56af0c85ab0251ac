#pragma once

#include <cstdint>

#include "CloseGate.h"
#include "PlayerFileState.h"
#include "Recorder.h"

class MessageSink;

// What the pages need of the editor view: the file state, the view's own
// values that the Player Data readers show, the list routines the name
// commits call, and the redisplay some commits run.
class PageHost {
 public:
  virtual ~PageHost() = default;

  virtual korvale::PlayerFileState& File() = 0;
  virtual MessageSink& Messages() = 0;
  // Every field write goes through it, into the roster's change history.
  virtual korvale::history::Recorder& History() = 0;
  // Every commit holds it while it runs.
  virtual CloseGate& Gate() = 0;

  // PlayerId of the shown record into the PlayerID display.
  virtual void ShowPlayerId(std::int32_t id) = 0;
  // Selects entry `index` of the team choice without any check: an index
  // with no entry leaves the choice without a selection.
  virtual void SelectTeamChoice(int index) = 0;
  // The team choice's entries, none selected.
  virtual void FillTeamChoice() = 0;

  virtual void FillPlayerList() = 0;
  virtual void SyncPlayerList() = 0;
  virtual void FillRosterList() = 0;
  virtual void ShowCurrentRecord() = 0;
};
