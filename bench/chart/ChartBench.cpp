// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Progress view on a results file of a million records, ten players of 100 000
// games each, drawn on the offscreen platform:
//   BM_ProgressChartShown      a player chosen: the series, the chart built and painted
//                              (the aim: 300 ms at most), coming from a chart of no
//                              games, as the view's chart is before the file is read;
//   BM_ProgressViewFirstShown  the view shown for the first time: the file read, the
//                              first player's chart built and painted.
#include "BenchFile.h"
#include "play/GameState.h"
#include "results/ProgressForm.h"
#include "results/chart/ProgressChartView.h"
#include <QApplication>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

void BM_ProgressChartShown(benchmark::State& state) {
    BenchFile& f = FileOfTenPlayers();
    GameState s;
    ProgressForm form(s, f.path);
    form.Load();
    // Every game of the player: all sizes and types.
    form.chooseSize(ProgressControls::kAllSizes);
    form.chooseType(ProgressControls::kAllTypes);
    ProgressChartView chart;
    chart.resize(1000, 620);
    chart.show();
    QApplication::processEvents();
    int player = 0;
    std::size_t drawn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        chart.showPlot(ProgressPlot{});
        QApplication::processEvents();
        state.ResumeTiming();
        // Another player each time, so that nothing is left from the last.
        form.chooseName(player++ % 2);
        chart.showPlot(form.plot());
        const QPixmap painted = chart.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        drawn = chart.drawnGamePoints();
    }
    state.counters["games"] = static_cast<double>(form.series().games.size());
    state.counters["drawn"] = static_cast<double>(drawn);
}
BENCHMARK(BM_ProgressChartShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ProgressViewFirstShown(benchmark::State& state) {
    BenchFile& f = FileOfTenPlayers();
    GameState s;
    for (auto _ : state) {
        ProgressForm form(s, f.path);
        ProgressChartView chart;
        chart.resize(1000, 620);
        // The view draws its chart before the file is read, as it does when made.
        chart.showPlot(form.plot());
        chart.show();
        form.Load();
        chart.showPlot(form.plot());
        const QPixmap painted = chart.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_ProgressViewFirstShown)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
