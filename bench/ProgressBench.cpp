// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One player's progress on a results file of a million records, as --history builds
// it: the player's games read from the file, then the series. The aim is 1.2 bare
// decodes of the same file at most. The two are timed in turn in every iteration,
// on the thread's processor clock, and the best of each compared (x_decode), so that
// other work on the machine does not tilt the ratio.
#include "BenchFile.h"
#include "results/ProgressSeries.h"
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void BM_ProgressSeriesOfOnePlayer(benchmark::State& state) {
    BenchFile& f = FileOfTenPlayers();
    ProgressChoice choice;
    choice.name = f.names[0];
    ResultsTable table;
    std::size_t games = 0;
    double bestSeries = 1e9;
    double bestDecode = 1e9;
    for (auto _ : state) {
        double start = ThreadSeconds();
        const ResultsScan scan = ReadPlayerGames(f.path, choice.name, table);
        const ProgressSeries series = BuildProgressSeries(table, choice);
        bestSeries = std::min(bestSeries, ThreadSeconds() - start);
        if (scan.damaged || scan.records != kRecords) state.SkipWithError("file did not read back");
        games = series.games.size();

        state.PauseTiming();
        start = ThreadSeconds();
        qint64 steps = 0;
        ReadResultsFile(f.path, [&steps](const ResultRecord& r) { steps += r.steps; });
        benchmark::DoNotOptimize(steps);
        bestDecode = std::min(bestDecode, ThreadSeconds() - start);
        state.ResumeTiming();
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["decode_ms"] = bestDecode * 1000;
    state.counters["series_ms"] = bestSeries * 1000;
    state.counters["x_decode"] = bestSeries / bestDecode;
}
BENCHMARK(BM_ProgressSeriesOfOnePlayer)->Unit(benchmark::kMillisecond)->Iterations(10);

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
