#include <map>
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

// A field the undo writes: the bytes it holds now.
struct Planned {
  std::int64_t record = 0;
  FieldId field = FieldId::PlayerNumber;
  std::string now;
};

// What undoing the sets writes, worked out on the roster's image; the
// fields that no longer hold what a set left in them, and the records
// that hold another player, are named.
struct UndoPlan {
  explicit UndoPlan(RosterImage roster) : image(std::move(roster)) {}
  RosterImage image;
  std::vector<std::uint64_t> order;         // offsets, first planned first
  std::map<std::uint64_t, Planned> fields;  // by offset
  std::vector<std::string> conflicts;       // what holds something else now
  std::vector<std::string> otherPlayers;    // records that hold another player
  std::size_t sets = 0;
};

std::string Name(const RosterImage& image, const history::FieldChange& change) {
  return image.Player(change.record) + "  " + std::string(Field(change.field).name) + " (record " +
         std::to_string(change.record) + ")";
}

void PlanChange(const history::ChangeSet& set, const history::FieldChange& change, bool force,
                UndoPlan& plan) {
  RosterImage& image = plan.image;
  const std::uint64_t offset = history::SpanOf(change).offset;
  const std::string now = image.Bytes(offset, change.newBytes.size());
  if (now.size() != change.newBytes.size()) {
    plan.conflicts.push_back(Name(image, change) + " lies past the end of the roster (change " +
                             std::to_string(set.id) + ")");
    return;
  }
  if (now != change.newBytes) {
    const std::string shownNow = image.Text(change.record, change.field);
    image.Put(offset, change.newBytes);
    plan.conflicts.push_back(Name(image, change) + " holds " + shownNow + " now, not " +
                             image.Text(change.record, change.field) + " as change " +
                             std::to_string(set.id) + " left it");
    image.Put(offset, now);
    if (!force) return;
  }
  if (plan.fields.emplace(offset, Planned{change.record, change.field, now}).second) {
    plan.order.push_back(offset);
  }
  image.Put(offset, change.oldBytes);
}

// Each record the set touched must still hold the player it held then.
void CheckPlayers(const HistoryWalk& walk, UndoPlan& plan) {
  const history::ChangeSet& set = walk.Set();
  for (const history::PlayerBefore& player : set.players) {
    bool same = true;
    for (const FieldId field : history::kIdentityFields) {
      const std::string& then = history::IdentityBytes(player, field);
      same = same && walk.Before().Bytes(Field(field).OffsetIn(player.record), then.size()) == then;
    }
    if (same) continue;
    history::PlayerBefore now = history::PlayerOf(
        player.record,
        [&](std::uint64_t offset, std::size_t n) { return plan.image.Bytes(offset, n); });
    plan.otherPlayers.push_back("record " + std::to_string(player.record) + " holds " +
                                WhoText(now) + " now, not " + WhoText(player) + " as change " +
                                std::to_string(set.id) + " found it");
  }
}

void PlanSet(const HistoryWalk& walk, bool force, UndoPlan& plan) {
  const history::ChangeSet& set = walk.Set();
  CheckPlayers(walk, plan);
  for (auto it = set.changes.rbegin(); it != set.changes.rend(); ++it) {
    PlanChange(set, *it, force, plan);
  }
  ++plan.sets;
}

// Why the walk stops at an entry without undoing it: a damaged set the
// options reach; nothing when it goes on.
std::optional<std::string> Unreadable(const history::HistoryEntry& entry,
                                      const UndoOptions& options) {
  if (!entry.damaged || (options.id && entry.id != *options.id)) return std::nullopt;
  return EntryName(entry) + " cannot be read" +
         (options.last ? ", and it is among the " + std::to_string(*options.last) + " newest"
                       : std::string());
}

// Walks the history newest first and plans the sets the options choose.
// Returns an exit status when it must stop.
std::optional<int> Choose(HistoryWalk& walk, const UndoOptions& options, UndoPlan& plan, Io io) {
  std::int64_t counted = 0;
  while ((!options.last || counted < *options.last) && walk.Next()) {
    const history::HistoryEntry& entry = walk.Entry();
    if (const auto why = Unreadable(entry, options)) {
      io.err << "korvale-cli: " << *why << ": nothing was undone\n";
      return kFailure;
    }
    if (entry.damaged) continue;
    const history::ChangeSet& set = walk.Set();
    if (options.since && set.time < *options.since) break;
    if (options.id && set.id != *options.id) continue;
    if (!walk.TookEffect()) {
      if (!options.id) continue;
      io.err << "korvale-cli: change set " << set.id
             << " never took effect: there is nothing to undo\n";
      return kFindings;
    }
    ++counted;
    PlanSet(walk, options.force, plan);
    if (options.id) break;
  }
  return std::nullopt;
}

// The spans that give each planned field its final bytes, and what a
// person reads of them.
std::vector<Span> Spans(UndoPlan& plan, std::vector<std::string>& lines) {
  std::vector<Span> spans;
  for (const std::uint64_t offset : plan.order) {
    const Planned& p = plan.fields.at(offset);
    const std::string last = plan.image.Bytes(offset, p.now.size());
    if (last == p.now) continue;
    const std::string after = plan.image.Text(p.record, p.field);
    plan.image.Put(offset, p.now);
    lines.push_back(Name(plan.image, {p.record, p.field, {}, {}}) + "  " +
                    plan.image.Text(p.record, p.field) + " -> " + after);
    plan.image.Put(offset, last);
    spans.push_back({offset, p.now, last});
  }
  return spans;
}

}  // namespace

int UndoCommand(const UndoOptions& options, Io io) {
  const history::HistoryLog log(options.file);
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, !options.dryRun, io.err);
  RosterImage roster = RosterImage::Read(file);
  UndoPlan plan(roster);
  try {
    HistoryWalk walk(log, std::move(roster));
    if (const auto stopped = Choose(walk, options, plan, io)) return *stopped;
  } catch (const history::HistoryError& e) {
    io.err << "korvale-cli: " << e.what() << '\n';
    return kFailure;
  }
  if (plan.sets == 0) {
    io.err << "korvale-cli: no recorded change of " << options.file << " matches\n";
    return kFindings;
  }
  for (const std::string& other : plan.otherPlayers) io.err << "korvale-cli: " << other << '\n';
  if (!plan.otherPlayers.empty()) {
    io.err << "korvale-cli: nothing was undone: the roster holds other players there now "
              "(--force does not write over another player)\n";
    return kFindings;
  }
  for (const std::string& conflict : plan.conflicts) io.err << "korvale-cli: " << conflict << '\n';
  if (!plan.conflicts.empty() && !options.force) {
    io.err << "korvale-cli: nothing was undone (--force writes the old values over them)\n";
    return kFindings;
  }
  std::vector<std::string> lines;
  const std::vector<Span> spans = Spans(plan, lines);
  for (const std::string& line : lines) io.out << line << '\n';
  io.out << Count(spans.size(), "field") << " restored from " << Count(plan.sets, "change set")
         << '\n';
  if (options.dryRun) {
    io.out << "dry run: nothing was written\n";
  } else if (!spans.empty()) {
    return WriteRecorded(file, history::Program::Undo, spans, io);
  }
  return kSuccess;
}

}  // namespace korvale::cli
