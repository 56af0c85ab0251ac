#include "RecordPairs.h"

#include <algorithm>

#include "Commands.h"

namespace korvale::cli {

RecordCounts WalkRecordPairs(const std::string& fileA, const std::string& fileB, Io io,
                             const std::function<void(const RecordSpan&, const RecordSpan&)>& pair,
                             const std::function<void()>& afterChunk) {
  PlayerFileState a(io.files);
  OpenRoster(a, fileA, false, io.err);
  PlayerFileState b(io.files);
  OpenRoster(b, fileB, false, io.err);
  RecordSource sourceA(a);
  RecordSource sourceB(b);
  const RecordCounts counts{sourceA.Count(), sourceB.Count()};
  const std::int64_t both = std::min(counts.a, counts.b);
  for (std::int64_t first = 0; first < both; first += kRecordsPerRead) {
    const std::int64_t n = std::min(kRecordsPerRead, both - first);
    const std::string chunkA = sourceA.ReadRecords(first, n);
    const std::string chunkB = sourceB.ReadRecords(first, n);
    for (std::int64_t k = first; k < first + n; ++k) {
      pair(RecordIn(chunkA, first, k), RecordIn(chunkB, first, k));
    }
    if (afterChunk) afterChunk();
  }
  a.ClosePlayerFile();
  b.ClosePlayerFile();
  return counts;
}

}  // namespace korvale::cli
