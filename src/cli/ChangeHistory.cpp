#include "ChangeHistory.h"

#include <ostream>

#include "Commands.h"
#include "HistoryLog.h"
#include "Recorder.h"
#include "StopSignals.h"

namespace korvale::cli {
namespace {

// What a failure while an import's or an undo's writes were made left.
std::string Left(history::Program program, SpansLeft left) {
  const bool undo = program == history::Program::Undo;
  const std::string what(history::ProgramName(program));
  switch (left) {
    case SpansLeft::Unchanged: break;
    case SpansLeft::Applied:
      return "the " + what +
             " was applied; only its journal could not be deleted (the next command deletes it)";
    case SpansLeft::UndoPending:
      return "the " + what +
             (undo ? " could not be taken back here" : " could not be undone here") +
             ": the next korvale-cli command on the roster, or selecting it in the editor, " +
             (undo ? "takes it back" : "undoes it");
  }
  return "nothing was changed";
}

}  // namespace

int WriteRecorded(PlayerFileState& file, history::Program program, const std::vector<Span>& spans,
                  Io io) {
  const StopSignals signals;
  bool applied = false;
  history::Recorder recorder;
  std::optional<std::string> unrecorded;
  const auto sayUnrecorded = [&] {
    if (unrecorded)
      io.err << "korvale-cli: " << *unrecorded << "; the change goes ahead without it\n";
  };
  try {
    applied = recorder.WriteSpans(file, program, spans, &StopSignals::Stopped, unrecorded);
    sayUnrecorded();
    file.ClosePlayerFile();
  } catch (const SpanWriteError& e) {
    sayUnrecorded();
    io.err << "korvale-cli: " << e.Message() << '\n' << Left(program, e.Left()) << '\n';
    return kFailure;
  } catch (const FileError& e) {
    if (!applied) sayUnrecorded();
    io.err << "korvale-cli: " << e.Message() << '\n'
           << (applied ? "the " + std::string(history::ProgramName(program)) +
                             " was written and flushed to the disk before the close failed"
                       : "nothing was changed")
           << '\n';
    return kFailure;
  }
  if (!applied) {
    io.err << "korvale-cli: stopped by a signal: nothing was changed\n";
    return kFailure;
  }
  return kSuccess;
}

std::vector<std::vector<ShownChange>> ShowChanges(
    RosterImage roster, const std::vector<history::ChangeSet>& newestFirst) {
  std::vector<std::vector<ShownChange>> shown;
  shown.reserve(newestFirst.size());
  for (const history::ChangeSet& set : newestFirst) {
    std::vector<ShownChange> fields;
    for (const history::FieldChange& change : set.changes) {
      roster.Put(history::SpanOf(change).offset, change.newBytes);
    }
    for (const history::FieldChange& change : set.changes) {
      fields.push_back({change.record,
                        roster.Player(change.record),
                        std::string(Field(change.field).name),
                        {},
                        roster.Text(change.record, change.field)});
    }
    for (std::size_t i = set.changes.size(); i > 0; --i) {
      const history::FieldChange& change = set.changes[i - 1];
      roster.Put(history::SpanOf(change).offset, change.oldBytes);
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
      fields[i].before = roster.Text(set.changes[i].record, set.changes[i].field);
    }
    shown.push_back(std::move(fields));
  }
  return shown;
}

std::string ChangeLine(const ShownChange& change) {
  return change.player + "  " + change.field + "  " + change.before + " -> " + change.after;
}

}  // namespace korvale::cli
