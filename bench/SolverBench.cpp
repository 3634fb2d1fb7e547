// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver over the fixed suite of positions (SolveSuite.h): every type at 4, 5 and
// 6, one to four open ring cells, and the Pendoly mode. Each benchmark runs its part
// of the suite once and reports the figures the aims are stated in as counters:
//
//   BM_Hint/N           a hint (the first solution, as the window asks for it):
//                       median and worst milliseconds over the positions of size N;
//   BM_Shortest4x4      the proven shortest on 4 x 4: median and worst milliseconds,
//                       and how many were proven within the limit (30 s each);
//   BM_BestIn60s/N      5 x 5 and 6 x 6: the length a solve given 1 s ends with (its
//                       first solution and what the rest of the second made shorter),
//                       the best length found (or proven) within 60 s, and their
//                       ratio, median and worst;
//   BM_PatternTables    building the 4 x 4 tables of one geometry, and their size.
//
// ZK_SOLVER_BENCH_SECONDS shortens the 60 s (and the 30 s) for a quick run;
// ZK_SOLVER_BENCH_CASES keeps only the positions whose names hold that text
// (e.g. "diagonal/6x6").
#include "SolveSuite.h"
#include "solve/MoveGraph.h"
#include "solve/PatternTables.h"
#include "solve/Puzzle.h"
#include "solve/Replay.h"
#include "solve/Solver.h"
#include <benchmark/benchmark.h>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double longSeconds(double standard) {
    const double asked = qEnvironmentVariableIntValue("ZK_SOLVER_BENCH_SECONDS");
    return asked > 0 ? std::min(asked, standard) : standard;
}

std::vector<std::pair<suite::Case, GameState>> positions(int n) {
    std::vector<std::pair<suite::Case, GameState>> all;
    const std::string only = qEnvironmentVariable("ZK_SOLVER_BENCH_CASES").toStdString();
    for (const suite::Case& c : suite::AllCases())
        if (c.n == n && c.name().find(only) != std::string::npos)
            if (std::optional<GameState> s = suite::MakePosition(c)) all.push_back({c, *s});
    return all;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The processor time of this thread, in milliseconds: what a search costs, apart from
// how busy the machine is.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The processor time of the process so far, in milliseconds.
double processMs() { return static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC; }

double worst(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

// The peak memory of the process so far, in megabytes.
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

bool accepted(const GameState& s, const SolveReport& r) {
    return r.status == SolveReport::Status::Solved && CheckSolution(s, r.moves) == std::optional<int>(r.steps);
}

void BM_Hint(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto cases = positions(n);
    std::vector<double> ms;
    std::vector<double> cpuMs;
    int failed = 0;
    for (auto _ : state) {
        ms.clear();
        cpuMs.clear();
        for (const auto& [c, s] : cases) {
            SolveOptions hint;
            hint.seconds = 1;
            hint.improve = false;
            const double cpuBefore = threadCpuMs();
            const SolveReport r = Solve(s, hint);
            cpuMs.push_back(threadCpuMs() - cpuBefore);
            if (!accepted(s, r)) ++failed;
            ms.push_back(static_cast<double>(r.ms));
            std::fprintf(stderr, "hint %-28s %5lld ms (%4.0f ms processor) %4d steps%s\n", c.name().c_str(),
                         static_cast<long long>(r.ms), cpuMs.back(), r.steps, accepted(s, r) ? "" : " (none within 1 s)");
        }
    }
    state.counters["positions"] = static_cast<double>(cases.size());
    state.counters["median_ms"] = median(ms);
    state.counters["worst_ms"] = worst(ms);
    state.counters["median_cpu_ms"] = median(cpuMs);
    state.counters["worst_cpu_ms"] = worst(cpuMs);
    state.counters["without_solution"] = failed;
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_Hint)->Arg(4)->Arg(5)->Arg(6)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Shortest4x4(benchmark::State& state) {
    const auto cases = positions(4);
    const double limit = longSeconds(30);
    SolverCache cache;
    std::vector<double> ms;
    std::vector<double> cpuMs;
    int proven = 0;
    for (auto _ : state) {
        ms.clear();
        cpuMs.clear();
        proven = 0;
        for (const auto& [c, s] : cases) {
            SolveOptions shortest;
            shortest.seconds = limit;
            const double cpuBefore = processMs();
            const SolveReport r = Solve(s, shortest, &cache);
            if (r.shortest && accepted(s, r)) ++proven;
            ms.push_back(static_cast<double>(r.ms));
            cpuMs.push_back(processMs() - cpuBefore);
            // Positions expanded and processor time tell runs apart on a busy machine.
            std::fprintf(stderr, "shortest %-28s %6lld ms (%6.0f ms CPU) %4d steps (at least %d)%s, %lld expanded\n",
                         c.name().c_str(), static_cast<long long>(r.ms), cpuMs.back(), r.steps,
                         r.lowerBound, r.shortest ? " proven" : "", static_cast<long long>(r.expanded));
        }
    }
    state.counters["positions"] = static_cast<double>(cases.size());
    state.counters["proven"] = proven;
    state.counters["median_ms"] = median(ms);
    state.counters["worst_ms"] = worst(ms);
    // The limit is on the clock, so on a busy machine the processor time says more.
    state.counters["median_cpu_ms"] = median(cpuMs);
    state.counters["worst_cpu_ms"] = worst(cpuMs);
    state.counters["tables_MB"] = static_cast<double>(cache.bytes()) / (1 << 20);
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_Shortest4x4)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_BestIn60s(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto cases = positions(n);
    const double limit = longSeconds(60);
    std::vector<double> ratios;
    std::vector<double> quickMs;
    for (auto _ : state) {
        ratios.clear();
        quickMs.clear();
        for (const auto& [c, s] : cases) {
            // The solution a second gives: the first one and what the time left makes of it.
            SolveOptions quick;
            quick.seconds = 1;
            quick.improve = true;
            const SolveReport first = Solve(s, quick);
            SolveOptions best;
            best.seconds = limit;
            const SolveReport better = Solve(s, best);
            quickMs.push_back(static_cast<double>(first.ms));
            const bool both = accepted(s, first) && accepted(s, better);
            if (both) ratios.push_back(static_cast<double>(first.steps) / std::min(first.steps, better.steps));
            std::fprintf(stderr, "best %-28s 1 s: %4d steps (%lld ms)  %g s: %4d steps%s, at least %d%s\n",
                         c.name().c_str(), first.steps, static_cast<long long>(first.ms), limit, better.steps,
                         better.shortest ? " proven" : "", better.lowerBound, both ? "" : " (not both found)");
        }
    }
    state.counters["positions"] = static_cast<double>(cases.size());
    state.counters["compared"] = static_cast<double>(ratios.size());
    state.counters["quick_median_ms"] = median(quickMs);
    state.counters["quick_worst_ms"] = worst(quickMs);
    state.counters["median_ratio"] = median(ratios);
    state.counters["worst_ratio"] = worst(ratios);
}
BENCHMARK(BM_BestIn60s)->Arg(5)->Arg(6)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PatternTables(benchmark::State& state) {
    const std::optional<GameState> s = suite::MakePosition({suite::Type::Numbers, 4, static_cast<int>(state.range(0))});
    const std::optional<Puzzle> pz = s ? Puzzle::FromGame(*s) : std::nullopt;
    if (!pz) {
        state.SkipWithError("no position");
        return;
    }
    size_t bytes = 0;
    for (auto _ : state) {
        const auto tables = PatternTables::Build(pz->graph, PatternTables::GroupsFor(4, pz->graph.placeCount()));
        bytes = tables ? tables->bytes() : 0;
    }
    state.counters["places"] = pz->graph.placeCount();
    state.counters["table_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_PatternTables)->Arg(1)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
