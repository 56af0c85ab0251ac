#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "HistoryLog.h"
#include "PlayerFileState.h"

namespace korvale::history {

// The editor's field writes, each recorded in the roster's history before
// it is made. One lives as long as an editor session.
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

 private:
  // The id of the set appended, or why none was.
  struct Recorded {
    std::optional<std::uint64_t> id;
    std::optional<std::string> failure;
  };
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
