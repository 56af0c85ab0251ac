#include "SpanRuns.h"

#include <algorithm>

namespace korvale {
namespace {

std::uint64_t EndOf(const Span& span) {
  return span.offset + std::max(span.oldBytes.size(), span.newBytes.size());
}

// Whether the span joins the run: near it, and the run stays small.
bool Joins(const SpanRun& run, const Span& span) {
  const std::uint64_t begin = std::min(run.begin, span.offset);
  const std::uint64_t end = std::max(run.end, EndOf(span));
  return span.offset <= run.end + kRunGap && EndOf(span) + kRunGap >= run.begin &&
         end - begin <= kRunBytes;
}

void Lay(std::string& bytes, const SpanRun& run, const Span& span, std::string_view what) {
  std::copy(what.begin(), what.end(),
            bytes.begin() + static_cast<std::ptrdiff_t>(span.offset - run.begin));
}

}  // namespace

std::vector<SpanRun> RunsOf(const std::vector<Span>& spans, std::size_t count) {
  std::vector<SpanRun> runs;
  for (std::size_t i = 0; i < count; ++i) {
    const Span& span = spans[i];
    if (runs.empty() || !Joins(runs.back(), span)) {
      runs.push_back({i, i, span.offset, EndOf(span)});
    }
    SpanRun& run = runs.back();
    run.last = i + 1;
    run.begin = std::min(run.begin, span.offset);
    run.end = std::max(run.end, EndOf(span));
  }
  return runs;
}

std::string ReadRun(PlayerFileState& roster, const SpanRun& run) {
  std::string bytes = roster.ReadBytes(run.begin, static_cast<std::size_t>(run.end - run.begin));
  if (bytes.size() != run.end - run.begin) {
    throw FileError(FileErrorCause::BeyondEnd, roster.FilePath());
  }
  return bytes;
}

void ReadOldBytes(PlayerFileState& roster, std::vector<Span>& spans) {
  for (const SpanRun& run : RunsOf(spans, spans.size())) {
    const std::string bytes = ReadRun(roster, run);
    for (std::size_t i = run.first; i < run.last; ++i) {
      Span& span = spans[i];
      span.oldBytes.assign(bytes, span.offset - run.begin, span.newBytes.size());
    }
  }
}

void WriteRun(PlayerFileState& roster, const std::vector<Span>& spans, const SpanRun& run,
              bool undo) {
  std::string bytes = ReadRun(roster, run);
  if (undo) {
    for (std::size_t i = run.last; i > run.first; --i)
      Lay(bytes, run, spans[i - 1], spans[i - 1].oldBytes);
  } else {
    for (std::size_t i = run.first; i < run.last; ++i) Lay(bytes, run, spans[i], spans[i].newBytes);
  }
  roster.WriteBytes(run.begin, bytes);
}

}  // namespace korvale
