#include "CsvSplitter.h"

namespace korvale::cli {

// No build of libcsv for this platform: the built-in splitter reads CSV.
std::unique_ptr<CsvSplitter> MakeCsvSplitter(CsvSink& sink) { return MakeBuiltInCsvSplitter(sink); }

}  // namespace korvale::cli
