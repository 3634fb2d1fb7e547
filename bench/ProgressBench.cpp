// One player's progress on a results file of a million records, as --history builds
// it: the player's games read from the file, then the series. The aim is 1.2 bare
// decodes of the same file at most (x_decode).
#include "BenchFile.h"
#include "results/ProgressSeries.h"
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void BM_ProgressSeriesOfOnePlayer(benchmark::State& state) {
    BenchFile& f = FileOfTenPlayers();
    ProgressChoice choice;
    choice.name = f.names[0];
    ResultsTable table;
    std::size_t games = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const ResultsScan scan = ReadPlayerGames(f.path, choice.name, table);
        const ProgressSeries series = BuildProgressSeries(table, choice);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (scan.damaged || scan.records != kRecords) state.SkipWithError("file did not read back");
        games = series.games.size();
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["x_decode"] = seconds / static_cast<double>(state.iterations()) / BareDecodeSeconds(f.path);
}
BENCHMARK(BM_ProgressSeriesOfOnePlayer)->Unit(benchmark::kMillisecond)->Iterations(5);

// A choice in the Progress view: the series of one player of the whole file, which the
// view holds once it is read.
void BM_ProgressSeriesFromTheTable(benchmark::State& state) {
    BenchFile& f = FileOfTenPlayers();
    ResultsTable table;
    table.Load(f.path);
    ProgressChoice choice;
    choice.name = f.names[0];
    for (auto _ : state) {
        const ProgressSeries series = BuildProgressSeries(table, choice);
        benchmark::DoNotOptimize(series.games.data());
    }
}
BENCHMARK(BM_ProgressSeriesFromTheTable)->Unit(benchmark::kMillisecond);

} // namespace
