#include "ChangeHistory.h"

#include <ostream>

#include "HistoryLog.h"

namespace korvale::cli {

void RecordChanges(const std::string& rosterPath, history::Program program,
                   const std::vector<Span>& spans, std::ostream& err) {
  if (!history::ChangesAnyField(spans)) return;
  try {
    history::HistoryLog(rosterPath).AppendSpans(program, spans);
  } catch (const history::HistoryError& e) {
    err << "korvale-cli: " << e.what() << "; the change goes ahead without it\n";
  }
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
