// In-process timings of korvale-cli's export and import on sample rosters.
// Whole-process comparisons with other dBase tools are in compare.py.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cli.h"
#include "SampleRoster.h"

namespace {

std::filesystem::path Sample(int players) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("korvale-bench-" + std::to_string(players) + ".dbf");
  korvale::WriteSampleRoster(path, players, korvale::kSampleSeed, true);
  return path;
}

int Run(const std::vector<std::string>& args, std::ostream& out) {
  std::istringstream in;
  std::ostringstream err;
  return korvale::cli::RunCli(args, in, out, err);
}

void ExportCsv(benchmark::State& state) {
  const auto path = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::ostringstream out;
    benchmark::DoNotOptimize(Run({"export", path.string()}, out));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(path);
}

// An untouched export: every row is read and validated, nothing is written.
void ImportUntouched(benchmark::State& state) {
  const auto path = Sample(static_cast<int>(state.range(0)));
  std::ostringstream table;
  Run({"export", path.string()}, table);
  const auto ratings = std::filesystem::temp_directory_path() / "korvale-bench-ratings.csv";
  { std::ofstream(ratings) << table.str(); }
  for (auto _ : state) {
    std::ostringstream out;
    benchmark::DoNotOptimize(Run({"import", path.string(), ratings.string()}, out));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove(path);
  std::filesystem::remove(ratings);
}

}  // namespace

BENCHMARK(ExportCsv)->Arg(15000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportUntouched)->Arg(15000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
