#include <algorithm>
#include <ostream>

#include "ChangeHistory.h"
#include "Commands.h"
#include "HistoryLog.h"
#include "RecordSource.h"
#include "RosterOpen.h"

namespace korvale::cli {
namespace {

std::string Count(std::size_t n, const std::string& what) {
  return std::to_string(n) + ' ' + what + (n == 1 ? "" : "s");
}

// The change sets to undo, newest first.
std::vector<history::ChangeSet> Chosen(std::vector<history::ChangeSet> sets,
                                       const UndoOptions& options) {
  std::reverse(sets.begin(), sets.end());
  if (options.last) {
    sets.resize(std::min(sets.size(), static_cast<std::size_t>(*options.last)));
  }
  std::erase_if(sets, [&](const history::ChangeSet& set) {
    return (options.id && set.id != *options.id) || (options.since && set.time < *options.since);
  });
  return sets;
}

// What undoing the sets writes, worked out on the roster's image; the
// fields that no longer hold what a set left in them are named.
struct UndoPlan {
  std::vector<Span> spans;
  std::vector<std::string> lines;      // what changes, as a person reads it
  std::vector<std::string> conflicts;  // what holds something else now
};

void PlanChange(const history::ChangeSet& set, const history::FieldChange& change,
                RosterImage& image, bool force, UndoPlan& plan) {
  const std::uint64_t offset = history::SpanOf(change).offset;
  const std::string now = image.Bytes(offset, change.newBytes.size());
  const std::string name = image.Player(change.record) + "  " +
                           std::string(Field(change.field).name) + " (record " +
                           std::to_string(change.record) + ")";
  if (now.size() != change.newBytes.size()) {
    plan.conflicts.push_back(name + " lies past the end of the roster (change " +
                             std::to_string(set.id) + ")");
    return;
  }
  const std::string shownNow = image.Text(change.record, change.field);
  if (now != change.newBytes) {
    image.Put(offset, change.newBytes);
    plan.conflicts.push_back(name + " holds " + shownNow + " now, not " +
                             image.Text(change.record, change.field) + " as change " +
                             std::to_string(set.id) + " left it");
    image.Put(offset, now);
    if (!force) return;
  }
  if (now == change.oldBytes) return;
  image.Put(offset, change.oldBytes);
  plan.spans.push_back({offset, now, change.oldBytes});
  plan.lines.push_back(name + "  " + shownNow + " -> " + image.Text(change.record, change.field));
}

UndoPlan Plan(const std::vector<history::ChangeSet>& sets, RosterImage image, bool force) {
  UndoPlan plan;
  for (const history::ChangeSet& set : sets) {
    for (auto it = set.changes.rbegin(); it != set.changes.rend(); ++it) {
      PlanChange(set, *it, image, force, plan);
    }
  }
  return plan;
}

}  // namespace

int UndoCommand(const UndoOptions& options, Io io) {
  const std::vector<history::ChangeSet> sets =
      Chosen(history::HistoryLog(options.file).Read(), options);
  if (sets.empty()) {
    io.err << "korvale-cli: no recorded change of " << options.file << " matches\n";
    return kFindings;
  }
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, !options.dryRun, io.err);
  const UndoPlan plan = Plan(sets, RosterImage::Read(file), options.force);
  for (const std::string& conflict : plan.conflicts) io.err << "korvale-cli: " << conflict << '\n';
  if (!plan.conflicts.empty() && !options.force) {
    io.err << "korvale-cli: nothing was undone (--force writes the old values over them)\n";
    return kFindings;
  }
  for (const std::string& line : plan.lines) io.out << line << '\n';
  io.out << Count(plan.spans.size(), "field") << " restored from "
         << Count(sets.size(), "change set") << '\n';
  if (options.dryRun) {
    io.out << "dry run: nothing was written\n";
  } else if (!plan.spans.empty()) {
    return WriteRecorded(file, history::Program::Undo, plan.spans, io);
  }
  return kSuccess;
}

}  // namespace korvale::cli
