#include "Recorder.h"

#include <algorithm>
#include <memory>

namespace korvale::history {

Recorder::Recorder(Clock clock, HistoryLimits limits) : clock_(std::move(clock)), limits_(limits) {}

std::optional<std::string> Recorder::WriteField(PlayerFileState& roster, std::uint16_t position,
                                                std::string_view bytes) {
  const Recorded recorded = Record(roster, position, bytes);
  std::optional<std::string> failure = recorded.failure;
  try {
    roster.WriteField(position, bytes);
  } catch (const FileError&) {
    MarkSet(recorded, SetState::NotApplied);
    throw;
  }
  MarkSet(recorded, SetState::Applied);
  if (failure && reported_) failure.reset();
  if (failure) reported_ = true;
  return failure;
}

HistoryLog& Recorder::LogOf(PlayerFileState& roster) {
  if (!log_ || log_->RosterPath() != roster.FilePath()) {
    log_ = std::make_unique<HistoryLog>(roster.FilePath(), clock_, limits_, roster.System());
  }
  return *log_;
}

namespace {

// Reads through one block of the roster at a time. The spans come in file
// order, so the players of an import's thousands of records are read in
// a few large reads instead of three small ones each. A block starts a
// record's length before the bytes that call for it, so that it holds the
// fields of their record that lie before them too.
RosterBytes BlockReads(PlayerFileState& roster) {
  constexpr std::size_t kBlock = std::size_t{64} << 10;
  auto start = std::make_shared<std::uint64_t>(0);
  auto block = std::make_shared<std::string>();
  return [&roster, start, block](std::uint64_t offset, std::size_t n) {
    if (n > kBlock - kRecordLength) return roster.ReadBytes(offset, n);
    if (offset < *start || offset + n > *start + block->size()) {
      *start = offset - std::min(offset, kRecordLength);
      roster.ReadBytesInto(*start, kBlock, *block);
    }
    const std::uint64_t at = offset - *start;
    if (at >= block->size()) return std::string();
    return block->substr(static_cast<std::size_t>(at), n);
  };
}

// A set whose writes were undone did not take effect; one whose undo is
// still pending is left unmarked, to be judged against the roster.
SetState StateLeft(SpansLeft left) {
  switch (left) {
    case SpansLeft::Unchanged: return SetState::NotApplied;
    case SpansLeft::Applied: return SetState::Applied;
    case SpansLeft::UndoPending: break;
  }
  return SetState::Unmarked;
}

}  // namespace

bool Recorder::WriteSpans(PlayerFileState& roster, Program program, const std::vector<Span>& spans,
                          bool (*stop)(), std::optional<std::string>& problem) {
  Recorded recorded;
  if (ChangesAnyField(spans)) {
    try {
      recorded.id = LogOf(roster).AppendSpans(program, spans, BlockReads(roster));
    } catch (const HistoryError& e) {
      problem = e.what();
    }
  }
  bool applied = false;
  try {
    applied = WriteSpansAllOrNothing(roster, spans, stop);
  } catch (const SpanWriteError& e) {
    MarkSet(recorded, StateLeft(e.Left()));
    throw;
  } catch (const FileError&) {
    MarkSet(recorded, SetState::NotApplied);
    throw;
  }
  MarkSet(recorded, applied ? SetState::Applied : SetState::NotApplied);
  return applied;
}

namespace {

// The bytes of one record from `first` up to `end` (positions in record 0),
// read at once: the field a commit writes and who the record is.
RosterBytes OneRead(PlayerFileState& roster, std::int64_t record, std::uint16_t first,
                    std::uint16_t end) {
  const std::uint64_t start = kRecordLength * static_cast<std::uint64_t>(record) + first;
  auto bytes = std::make_shared<const std::string>(roster.ReadBytes(start, end - first));
  return [start, bytes](std::uint64_t offset, std::size_t n) {
    const std::uint64_t at = offset - start;
    return at >= bytes->size() ? std::string() : bytes->substr(static_cast<std::size_t>(at), n);
  };
}

}  // namespace

Recorder::Recorded Recorder::Record(PlayerFileState& roster, std::uint16_t position,
                                    std::string_view bytes) {
  const auto field = FieldAtPosition(position);
  if (!field) return {};
  const std::int64_t record = roster.CurrentRecord();
  auto first = position;
  auto end = static_cast<std::uint16_t>(position + bytes.size());
  for (const FieldId identity : kIdentityFields) {
    first = std::min(first, Field(identity).position);
    end = std::max(
        end, static_cast<std::uint16_t>(Field(identity).position + Field(identity).readWidth));
  }
  const RosterBytes read = OneRead(roster, record, first, end);
  const std::string old = read(Field(*field).OffsetIn(record), bytes.size());
  // Unchanged, or past the end of the file (the write will be refused).
  if (old == bytes || old.size() != bytes.size()) return {};
  try {
    return {LogOf(roster).Append(Program::Editor,
                                 {FieldChange{record, *field, old, std::string(bytes)}},
                                 {PlayerOf(record, read)}, true),
            std::nullopt};
  } catch (const HistoryError& e) {
    return {std::nullopt, Failure(e)};
  }
}

// A mark that cannot be written leaves the set to be judged against the
// roster when it is read.
void Recorder::MarkSet(const Recorded& recorded, SetState state) {
  if (!recorded.id || state == SetState::Unmarked) return;
  try {
    log_->Mark(*recorded.id, state);
  } catch (const HistoryError&) {
    return;
  }
}

std::string Recorder::Failure(const HistoryError& error) {
  return std::string(error.what()) +
         "\n\nThe change is made, but it cannot be taken back with korvale-cli undo.";
}

}  // namespace korvale::history
