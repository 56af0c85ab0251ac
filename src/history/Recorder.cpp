#include "Recorder.h"

namespace korvale::history {

Recorder::Recorder(Clock clock, HistoryLimits limits) : clock_(std::move(clock)), limits_(limits) {}

std::optional<std::string> Recorder::WriteField(PlayerFileState& roster, std::uint16_t position,
                                                std::string_view bytes) {
  std::optional<std::string> failure = Record(roster, position, bytes);
  roster.WriteField(position, bytes);
  if (failure && reported_) failure.reset();
  if (failure) reported_ = true;
  return failure;
}

HistoryLog& Recorder::LogOf(PlayerFileState& roster, FileSystem& system) {
  if (!log_ || log_->RosterPath() != roster.FilePath()) {
    log_ = std::make_unique<HistoryLog>(roster.FilePath(), clock_, limits_, system);
  }
  return *log_;
}

bool Recorder::WriteSpans(PlayerFileState& roster, Program program, const std::vector<Span>& spans,
                          bool (*stop)(), std::optional<std::string>& problem) {
  if (ChangesAnyField(spans)) {
    try {
      LogOf(roster, roster.System()).AppendSpans(program, spans);
    } catch (const HistoryError& e) {
      problem = e.what();
    }
  }
  return WriteSpansAllOrNothing(roster, spans, stop);
}

std::optional<std::string> Recorder::Record(PlayerFileState& roster, std::uint16_t position,
                                            std::string_view bytes) {
  const auto field = FieldAtPosition(position);
  if (!field) return std::nullopt;
  const std::int64_t record = roster.CurrentRecord();
  const std::string old = roster.ReadBytes(Field(*field).OffsetIn(record), bytes.size());
  // Unchanged, or past the end of the file (the write will be refused).
  if (old == bytes || old.size() != bytes.size()) return std::nullopt;
  try {
    LogOf(roster, SystemFileSystem())
        .Append(Program::Editor, {FieldChange{record, *field, old, std::string(bytes)}});
  } catch (const HistoryError& e) {
    return std::string(e.what()) +
           "\n\nThe change is made, but it cannot be taken back with korvale-cli undo.";
  }
  return std::nullopt;
}

}  // namespace korvale::history
