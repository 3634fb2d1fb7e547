// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and rewriting a results file of a million records. The raw-read case is
// the yardstick: decoding should cost little beyond reading the bytes.
#include "BenchFile.h"
#include "results/Statistics.h"
#include <QFile>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void BM_ResultsReadBytes(benchmark::State& state) {
    BenchFile& f = File();
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (auto _ : state) {
        QFile file(f.path);
        file.open(QIODevice::ReadOnly);
        qint64 total = 0;
        for (qint64 got; (got = file.read(chunk.data(), chunk.size())) > 0;) total += got;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * f.size);
}
BENCHMARK(BM_ResultsReadBytes)->Unit(benchmark::kMillisecond);

void BM_ResultsReadAndDecode(benchmark::State& state) {
    BenchFile& f = File();
    for (auto _ : state) {
        qint64 steps = 0;
        const ResultsScan scan = ReadResultsFile(f.path, [&](const ResultRecord& r) { steps += r.steps; });
        if (scan.damaged || scan.records != kRecords) state.SkipWithError("file did not read back");
        benchmark::DoNotOptimize(steps);
    }
    state.SetBytesProcessed(state.iterations() * f.size);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ResultsReadAndDecode)->Unit(benchmark::kMillisecond);

// Encoding alone, into one buffer as a rewrite does: the records of the file, read
// once outside the timing, encoded again with fresh keys and filler.
void BM_ResultsEncode(benchmark::State& state) {
    BenchFile& f = File();
    std::vector<ResultRecord> records;
    records.reserve(kRecords);
    ReadResultsFile(f.path, [&](const ResultRecord& r) { records.push_back(r); });
    SystemRandom random(2006);
    ResultsCodec codec(random);
    QByteArray out;
    out.reserve(f.size + (1 << 20));
    for (auto _ : state) {
        out.resize(0);
        for (const ResultRecord& r : records) codec.AppendResultRecord(r, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ResultsEncode)->Unit(benchmark::kMillisecond);

// The same from the records' codes, as a rewrite writes them back. A record's codes
// take some 600 bytes, so the first tenth of the file is encoded ten times over.
void BM_ResultsEncodeFromCodes(benchmark::State& state) {
    BenchFile& f = File();
    constexpr int kKept = kRecords / 10;
    std::vector<DecodedRecord> records;
    records.reserve(kKept);
    ReadDecodedResultsFile(f.path, [&](const DecodedRecord& r) {
        if (records.size() < kKept) records.push_back(r);
    });
    SystemRandom random(2006);
    ResultsCodec codec(random);
    QByteArray out;
    out.reserve(f.size + (1 << 20));
    for (auto _ : state) {
        out.resize(0);
        for (int round = 0; round < kRecords / kKept; ++round)
            for (const DecodedRecord& r : records) codec.AppendDecodedRecord(r, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ResultsEncodeFromCodes)->Unit(benchmark::kMillisecond);

// The statistics of the whole file: the same single pass with the aggregation on top,
// then the table text. It should stay close to the bare decode above.
void BM_Statistics(benchmark::State& state) {
    BenchFile& f = File();
    QStringList messages;
    for (int n = 0; n <= 171; ++n) messages << QStringLiteral("message %1").arg(n);
    const std::array<QString, 9> typeNames{"", "V", "VR", "A", "AR", "M", "T", "S", "SR"};
    for (auto _ : state) {
        const StatisticsScan scan = ScanStatistics(f.path);
        if (scan.damaged || scan.stats.total() != kRecords) state.SkipWithError("file did not read back");
        const QStringList lines = StatisticsLines(scan.stats, {messages, typeNames}, false);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(state.iterations() * f.size);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void BM_ResultsRewrite(benchmark::State& state) {
    BenchFile& f = File();
    SystemRandom random(2006);
    // Deletes the records of one board size: two thirds are written back. Each run
    // works on a fresh copy of the full file, made outside the timing.
    const QString copy = QStringLiteral("rewrite.dat");
    const QDir folder(f.dir.path());
    double rewriteSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder.filePath(copy));
        QFile::copy(f.path, folder.filePath(copy));
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        RewriteRequest request;
        request.mode = RewriteMode::DeleteFiltered;
        request.passesFilter = [](const ResultRecord& r) { return r.boardSize == 5; };
        const RewriteOutcome outcome = RewriteResults(folder, copy, request, random);
        if (outcome.status != RewriteStatus::Rewritten) state.SkipWithError("rewrite failed");
        benchmark::DoNotOptimize(outcome.kept);
        rewriteSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.SetBytesProcessed(state.iterations() * f.size);
    state.SetItemsProcessed(state.iterations() * kRecords);
    // How many bare decodes of the same file one rewrite costs (the aim is 3 at most).
    state.counters["x_decode"] = rewriteSeconds / static_cast<double>(state.iterations()) / BareDecodeSeconds(f.path);
}
BENCHMARK(BM_ResultsRewrite)->Unit(benchmark::kMillisecond)->Iterations(5);

// Storing one result: the whole file is read first, so that a result is never put
// behind damage, then the record is written.
void BM_ResultsAppend(benchmark::State& state) {
    BenchFile& f = File();
    SystemRandom random(2006);
    const QString copy = QStringLiteral("append.dat");
    const QDir folder(f.dir.path());
    QFile::remove(folder.filePath(copy));
    QFile::copy(f.path, folder.filePath(copy));
    ResultRecord r;
    r.name = QStringLiteral("Kovács Béla");
    r.typeCode = QStringLiteral("S");
    r.boardSize = 5;
    r.gapCount = 2;
    r.steps = 321;
    r.elapsed = QStringLiteral("00:04:05");
    r.date = QStringLiteral("2026.03.07");
    r.timeOfDay = QStringLiteral("09:05:03");
    for (auto _ : state) {
        if (AppendResult(folder, copy, r, random) != AppendStatus::Appended) state.SkipWithError("append failed");
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ResultsAppend)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
