#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "RecordSource.h"

namespace korvale::cli {

struct Io;

// How many records each of two rosters holds.
struct RecordCounts {
  std::int64_t a = 0;
  std::int64_t b = 0;
};

// Opens both rosters to read and hands over the records they have in
// common in pairs, by record number, read a chunk at a time; `afterChunk`
// runs after each chunk. Both files are let go of before it returns.
RecordCounts WalkRecordPairs(const std::string& fileA, const std::string& fileB, Io io,
                             const std::function<void(const RecordSpan&, const RecordSpan&)>& pair,
                             const std::function<void()>& afterChunk = {});

}  // namespace korvale::cli
