// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results browser on a million records: a full reload (decode, filter, sort by
// name) against the bare decode, a re-sort without reading, and a filter change.
#include "BenchFile.h"
#include "results/ResultsFilter.h"
#include "results/ResultsSort.h"
#include "results/ResultsTable.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

// Peak resident memory of the process so far, in MiB (VmHWM).
double PeakMemoryMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

ResultsFilter EverythingShown() {
    ResultsFilter filter;
    filter.allowAllTypes();
    return filter;
}

// What the browser keeps between reloads.
struct Browsed {
    ResultsTable table;
    ResultsSorter sorter;
    std::vector<std::uint32_t> rows;
};

Browsed& Loaded() {
    static Browsed browsed = [] {
        Browsed b;
        b.table.Load(File().path);
        b.rows = FilterResultRows(b.table, EverythingShown());
        return b;
    }();
    return browsed;
}

void BM_BrowserReload(benchmark::State& state) {
    BenchFile& f = File();
    // Kept between reloads, as the browser keeps them.
    ResultsTable table;
    ResultsSorter sorter;
    std::vector<std::uint32_t> rows;
    for (auto _ : state) {
        const ResultsLoad load = table.Load(f.path);
        FilterResultRows(table, EverythingShown(), rows);
        sorter.Sort(table, rows, ResultColumn::Name, false, StoredTypeCodes());
        if (load.damaged || rows.size() != kRecords) state.SkipWithError("file did not read back");
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.counters["VmHWM_MiB"] = PeakMemoryMiB();
}
BENCHMARK(BM_BrowserReload)->Unit(benchmark::kMillisecond);

void BM_BrowserResortBySteps(benchmark::State& state) {
    Browsed& b = Loaded();
    for (auto _ : state) {
        b.sorter.Sort(b.table, b.rows, ResultColumn::Steps, false, StoredTypeCodes());
        benchmark::DoNotOptimize(b.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_BrowserResortBySteps)->Unit(benchmark::kMillisecond);

// A filter box clicked: the file is unchanged, so the table is filtered and sorted
// again without reading it.
void BM_BrowserFilterChange(benchmark::State& state) {
    Browsed& b = Loaded();
    ResultsFilter filter = EverythingShown();
    filter.boardSize = 5;
    filter.stepsBelow = 600;
    std::vector<std::uint32_t> rows;
    for (auto _ : state) {
        FilterResultRows(b.table, filter, rows);
        b.sorter.Sort(b.table, rows, ResultColumn::Name, false, StoredTypeCodes());
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_BrowserFilterChange)->Unit(benchmark::kMillisecond);

} // namespace
