#include <algorithm>
#include <ostream>
#include <set>

#include "ChangeHistory.h"
#include "Commands.h"
#include "HistoryLog.h"
#include "PatchTable.h"
#include "RecordPairs.h"
#include "RecordSource.h"
#include "RosterImage.h"
#include "TableSource.h"
#include "Utf8Path.h"

namespace korvale::cli {
namespace {

// Records in one file only are named up to this many, then counted.
constexpr std::int64_t kNamedAlone = 100;

void ReportAlone(std::int64_t from, std::int64_t to, char side, Io io) {
  for (std::int64_t k = from; k < to && k < from + kNamedAlone; ++k) {
    io.err << "korvale-cli: record " << k << " only in " << side << ": not in the patch\n";
  }
  if (to - from > kNamedAlone) {
    io.err << "korvale-cli: ... and " << to - from - kNamedAlone << " more records only in " << side
           << '\n';
  }
}

int Written(const std::vector<PatchRow>& rows, const PatchOptions& options, Io io) {
  const TableStyle style{FormatFor(options.format, options.output), false, options.labels,
                         options.excel, options.delimiter != 0 ? options.delimiter : ','};
  if (style.format == TableFormat::Json && (options.excel || options.delimiter != 0)) {
    io.err << "korvale-cli: --excel and --delimiter apply to CSV tables only\n";
    return kFailure;
  }
  const bool written = WriteTableTo(
      options.output, [&](std::ostream& out) { WritePatch(rows, out, style); }, io);
  return written ? kSuccess : kFailure;
}

bool Chosen(const history::ChangeSet& set, const HistoryOptions& options) {
  return (!options.since || set.time >= *options.since) && (!options.id || set.id == *options.id);
}

void TakeBack(const history::ChangeSet& set, RosterImage& image) {
  for (auto it = set.changes.rbegin(); it != set.changes.rend(); ++it) {
    image.Put(history::SpanOf(*it).offset, it->oldBytes);
  }
}

}  // namespace

int DiffPatchCommand(const std::string& fileA, const std::string& fileB,
                     const PatchOptions& options, Io io) {
  std::vector<PatchRow> rows;
  const RecordCounts counts = WalkRecordPairs(
      fileA, fileB, io,
      [&rows](const RecordSpan& a, const RecordSpan& b) { AddDifferences(a, b, rows); });
  const std::int64_t both = std::min(counts.a, counts.b);
  ReportAlone(both, counts.a, 'A', io);
  ReportAlone(both, counts.b, 'B', io);
  return Written(rows, options, io);
}

// The roster before the first and after the last chosen change set, told
// apart for the records they changed. The chosen sets follow each other:
// all since a time, or one.
// Sets that never took effect are passed over; damage is said and passed
// over, as `history` does.
int HistoryPatchCommand(const HistoryOptions& options, Io io) {
  const history::HistoryLog log(options.file);
  std::vector<history::ChangeSet> sets;
  {
    PlayerFileState file(io.files);
    OpenRoster(file, options.file, false, io.err);
    HistoryWalk walk(log, RosterImage::Read(file));
    file.ClosePlayerFile();
    while (walk.Next()) {
      if (!walk.Entry().damaged && walk.TookEffect()) sets.push_back(walk.Set());
    }
    if (const std::string damage = walk.DamageText(); !damage.empty()) {
      io.err << "korvale-cli: the change history " << Utf8FromPath(log.Path()) << " is damaged at "
             << damage << ": only intact change sets are in the patch\n";
    }
  }
  const auto chosen = [&](const history::ChangeSet& set) { return Chosen(set, options); };
  const auto newest = std::find_if(sets.begin(), sets.end(), chosen);
  if (newest == sets.end()) {
    io.err << "korvale-cli: no recorded change of " << options.file << " matches\n";
    return kFindings;
  }
  const auto oldest = std::find_if(sets.rbegin(), sets.rend(), chosen).base() - 1;
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  RosterImage before = RosterImage::Read(file);
  file.ClosePlayerFile();
  for (auto it = sets.begin(); it != newest; ++it) TakeBack(*it, before);
  const RosterImage after = before;
  std::set<std::int64_t> records;
  for (auto it = newest; it != oldest + 1; ++it) {
    TakeBack(*it, before);
    for (const history::FieldChange& change : it->changes) records.insert(change.record);
  }
  std::vector<PatchRow> rows;
  for (const std::int64_t k : records) AddDifferences(before.Record(k), after.Record(k), rows);
  return Written(rows, options.patch, io);
}

}  // namespace korvale::cli
