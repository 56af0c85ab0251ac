#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "HistoryLog.h"
#include "PlayerFileState.h"
#include "RollbackJournal.h"

namespace korvale::history {

// The write sequence of the editor and korvale-cli alike: every write is
// recorded in the roster's history (written through the roster's file
// system) before it is made. One lives as long as an editor session or a
// korvale-cli command.
class Recorder {
 public:
  explicit Recorder(Clock clock = SystemNow, HistoryLimits limits = {});

  // Appends the change as one change set (with who the record was) when
  // it changes the field's bytes, then writes the field into the current
  // record as PlayerFileState::WriteField does (raising its FileError),
  // and marks the set applied, or not applied when the write failed. An
  // append that fails does not stop the write: its message comes back,
  // the first time in the session only.
  [[nodiscard]] std::optional<std::string> WriteField(PlayerFileState& roster,
                                                      std::uint16_t position,
                                                      std::string_view bytes);

  // An import's or an undo's writes: recorded as one change set when they
  // change a field, then written all or nothing through the rollback
  // journal (WriteSpansAllOrNothing, whose errors it raises, and whose
  // result it returns). An append that fails does not stop the writes: its
  // message goes to `problem`.
  bool WriteSpans(PlayerFileState& roster, Program program, const std::vector<Span>& spans,
                  bool (*stop)(), std::optional<std::string>& problem);

 private:
  // The id of the set appended, or why none was.
  struct Recorded {
    std::optional<std::uint64_t> id;
    std::optional<std::string> failure;
  };
  // The roster's history, written through the roster's own file system.
  HistoryLog& LogOf(PlayerFileState& roster);
  [[nodiscard]] Recorded Record(PlayerFileState& roster, std::uint16_t position,
                                std::string_view bytes);
  void MarkSet(const Recorded& recorded, SetState state);
  [[nodiscard]] static std::string Failure(const HistoryError& error);

  Clock clock_;
  HistoryLimits limits_;
  std::unique_ptr<HistoryLog> log_;  // the last roster written
  bool reported_ = false;
};

}  // namespace korvale::history
