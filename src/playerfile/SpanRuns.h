#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "PlayerFileState.h"
#include "RollbackJournal.h"

namespace korvale {

// Spans that one read and one positioned write cover: spans [first, last)
// lie within the bytes [begin, end) of the roster.
struct SpanRun {
  std::size_t first = 0;
  std::size_t last = 0;
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
};

// The most bytes a run covers, and the most unchanged bytes between a run
// and a span that joins it.
inline constexpr std::uint64_t kRunBytes = std::uint64_t{64} * 1024;
inline constexpr std::uint64_t kRunGap = 4096;

// The first `count` spans cut, in their order, into runs: a span joins the
// run before it while it lies near it and the run stays within kRunBytes.
[[nodiscard]] std::vector<SpanRun> RunsOf(const std::vector<Span>& spans, std::size_t count);

// The roster's bytes a run covers, read at once; FileError BeyondEnd when
// the roster ends before them.
[[nodiscard]] std::string ReadRun(PlayerFileState& roster, const SpanRun& run);

// Sets every span's old bytes to what the roster holds, reading a run at a
// time.
void ReadOldBytes(PlayerFileState& roster, std::vector<Span>& spans);

// Writes a run with one positioned write: the bytes the roster holds, read
// under its lock, with each span's new bytes laid over them in order or,
// `undo`, each span's old bytes in reverse order. The result is that of
// writing each span on its own; the bytes between spans are written back
// as they were.
void WriteRun(PlayerFileState& roster, const std::vector<Span>& spans, const SpanRun& run,
              bool undo);

}  // namespace korvale
