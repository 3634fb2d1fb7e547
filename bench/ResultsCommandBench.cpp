// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `--results FILE` on a million records: every row as CSV, and one board size sorted
// by steps, written to a null sink and to a file. Each is set against the bare decode
// of the same file (x_decode), both in processor time of the thread (which includes
// the system's time for the writes), as the machine may be shared.
#include "BenchFile.h"
#include "app/ResultsCommand.h"
#include "results/ResultsFile.h"
#include <QFile>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double BareDecodeThreadSeconds(const QString& path) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double start = ThreadSeconds();
        qint64 steps = 0;
        ReadResultsFile(path, [&](const ResultRecord& r) { steps += r.steps; });
        benchmark::DoNotOptimize(steps);
        best = std::min(best, ThreadSeconds() - start);
    }
    return best;
}

// Runs the command with `options` into `sink` (a null device or a file, truncated
// before each run); a run against the bare decode.
void RunCommand(benchmark::State& state, const QString& sink, QStringList options) {
    BenchFile& f = File();
    options.prepend(f.path);
    double seconds = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        QFile out(sink);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) state.SkipWithError("cannot open the sink");
        QString errors;
        QTextStream outStream(&out), errStream(&errors);
        if (RunResultsCommand(options, outStream, errStream) != 0) state.SkipWithError("the command failed");
        outStream.flush();
        out.close();
        seconds += ThreadSeconds() - start;
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.counters["x_decode"] = seconds / static_cast<double>(state.iterations()) / BareDecodeThreadSeconds(f.path);
}

void BM_ResultsCommandAllToNull(benchmark::State& state) { RunCommand(state, QStringLiteral("/dev/null"), {}); }
BENCHMARK(BM_ResultsCommandAllToNull)->Unit(benchmark::kMillisecond);

void BM_ResultsCommandAllToFile(benchmark::State& state) {
    RunCommand(state, File().dir.filePath(QStringLiteral("results.csv")), {});
}
BENCHMARK(BM_ResultsCommandAllToFile)->Unit(benchmark::kMillisecond);

void BM_ResultsCommandSizeSortedToNull(benchmark::State& state) {
    RunCommand(state, QStringLiteral("/dev/null"), {QStringLiteral("--size"), QStringLiteral("5"),
                                                    QStringLiteral("--sort"), QStringLiteral("steps")});
}
BENCHMARK(BM_ResultsCommandSizeSortedToNull)->Unit(benchmark::kMillisecond);

void BM_ResultsCommandSizeSortedToFile(benchmark::State& state) {
    RunCommand(state, File().dir.filePath(QStringLiteral("results.csv")),
               {QStringLiteral("--size"), QStringLiteral("5"), QStringLiteral("--sort"), QStringLiteral("steps")});
}
BENCHMARK(BM_ResultsCommandSizeSortedToFile)->Unit(benchmark::kMillisecond);

} // namespace
