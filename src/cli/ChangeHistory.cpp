#include "ChangeHistory.h"

#include <algorithm>
#include <ostream>

#include "Commands.h"
#include "HistoryLog.h"
#include "RecordSource.h"
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

std::string WhoIn(const RosterImage& image, std::int64_t record) {
  return image.Player(record) + " (id " + image.Text(record, FieldId::PlayerId) + ")";
}

}  // namespace

int WriteRecorded(PlayerFileState& file, history::Program program, const std::vector<Span>& spans,
                  Io io) {
  const StopSignals signals;
  bool applied = false;
  history::Recorder recorder;
  std::optional<std::string> unrecorded;
  const auto sayUnrecorded = [&] {
    if (unrecorded) {
      io.err << "korvale-cli: " << *unrecorded << "; the change goes ahead without it\n";
    }
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

std::string ChangeLine(const ShownChange& change) {
  return change.player + "  " + change.field + "  " + change.before + " -> " + change.after;
}

std::string WhoText(const history::PlayerBefore& player) {
  RosterImage one(std::string(RecordStart(1), ' '));
  for (const FieldId field : history::kIdentityFields) {
    one.Put(Field(field).OffsetIn(0), history::IdentityBytes(player, field));
  }
  return WhoIn(one, 0);
}

std::string EntryName(const history::HistoryEntry& entry) {
  if (!entry.damaged) return "change set " + std::to_string(entry.id);
  if (entry.id != 0) return "change set " + std::to_string(entry.id) + " (damaged)";
  return "the damaged bytes at byte " + std::to_string(entry.offset);
}

HistoryWalk::HistoryWalk(const history::HistoryLog& log, RosterImage roster)
    : log_(log), scan_(log.Scan()), image_(std::move(roster)), next_(scan_.entries.size()) {}

bool HistoryWalk::Next() {
  if (next_ == 0) return false;
  entry_ = &scan_.entries[--next_];
  shown_.clear();
  set_ = {};
  tookEffect_ = false;
  if (entry_->damaged) return true;
  set_ = log_.ReadSet(*entry_);
  Judge();
  Show();
  return true;
}

void HistoryWalk::Judge() {
  switch (entry_->state) {
    case history::SetState::Applied: tookEffect_ = true; return;
    case history::SetState::NotApplied: tookEffect_ = false; return;
    case history::SetState::Unmarked: break;
  }
  tookEffect_ = !std::all_of(set_.changes.begin(), set_.changes.end(), [&](const auto& change) {
    return image_.Bytes(history::SpanOf(change).offset, change.oldBytes.size()) == change.oldBytes;
  });
}

// Reads each field after the set and before it; a set that never took
// effect is put in and taken out again, and the roster put back as it was.
void HistoryWalk::Show() {
  const auto& changes = set_.changes;
  std::vector<std::string> kept;
  if (!tookEffect_) {
    for (const auto& c : changes) {
      kept.push_back(image_.Bytes(history::SpanOf(c).offset, c.newBytes.size()));
    }
  }
  for (const auto& c : changes) image_.Put(history::SpanOf(c).offset, c.newBytes);
  std::vector<std::string> afterBytes;
  for (const auto& c : changes) {
    afterBytes.push_back(image_.Bytes(history::SpanOf(c).offset, c.newBytes.size()));
    shown_.push_back(
        {c.record, {}, std::string(Field(c.field).name), {}, image_.Text(c.record, c.field)});
  }
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
    image_.Put(history::SpanOf(*it).offset, it->oldBytes);
  }
  std::map<std::int64_t, std::string> who;
  for (const auto& player : set_.players) who.emplace(player.record, WhoText(player));
  std::vector<ShownChange> shown;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const auto& c = changes[i];
    ShownChange& s = shown_[i];
    s.before = image_.Text(c.record, c.field);
    const auto known = who.find(c.record);
    s.player = known != who.end() ? known->second : WhoIn(image_, c.record);
    const bool same = s.before == s.after &&
                      image_.Bytes(history::SpanOf(c).offset, c.oldBytes.size()) == afterBytes[i];
    if (!same) shown.push_back(std::move(s));
  }
  shown_ = std::move(shown);
  for (std::size_t i = 0; i < kept.size(); ++i) {
    image_.Put(history::SpanOf(changes[i]).offset, kept[i]);
  }
}

std::string HistoryWalk::DamageText() const {
  std::string text;
  std::size_t places = 0;
  for (const auto& entry : scan_.entries) {
    if (!entry.damaged) continue;
    if (places++ == 0) {
      text = (entry.id != 0 ? "change set " + std::to_string(entry.id) + ", " : std::string()) +
             "bytes " + std::to_string(entry.offset) + " to " +
             std::to_string(entry.offset + entry.size);
    }
  }
  if (places > 1) text += ", and " + std::to_string(places - 1) + " more places";
  return text;
}

}  // namespace korvale::cli
