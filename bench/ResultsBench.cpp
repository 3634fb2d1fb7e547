// Reading and rewriting a results file of a million records. The raw-read case is
// the yardstick: decoding should cost little beyond reading the bytes.
#include "results/ResultsFile.h"
#include "results/Statistics.h"
#include "ui/RandomSource.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int kRecords = 1'000'000;

class BenchRandom final : public RandomSource {
public:
    double Rnd() override { return m_unit(m_engine); }

private:
    std::mt19937_64 m_engine{2006};
    std::uniform_real_distribution<double> m_unit{0.0, 1.0};
};

// The file is written once per run, into a temporary folder.
struct BenchFile {
    QTemporaryDir dir;
    QString name = QStringLiteral("eredm.dat");
    QString path = dir.filePath(name);
    qint64 size = 0;

    BenchFile() {
        BenchRandom random;
        ResultsCodec codec(random);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        codec.WriteResultsHeader(file);
        const QString names[] = {QStringLiteral("Anna"), QStringLiteral("Kovács Béla"),
                                 QStringLiteral("Árvíztűrő tükörfúrógép"), QStringLiteral("Ödön")};
        const char* codes[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
        for (int i = 0; i < kRecords; ++i) {
            ResultRecord r;
            r.name = names[i % 4];
            r.typeCode = QString::fromLatin1(codes[i % 8]);
            r.boardSize = 4 + i % 3;
            r.gapCount = 1 + i % 5;
            if (r.typeCode == QLatin1String("T")) {
                r.storedGameName = QStringLiteral("Csík");
                r.storedGameNo = i % 40;
            }
            r.shuffleNo = i % 7;
            r.steps = 40 + i % 900;
            r.elapsed = FormatTriple(0, i % 60, (i / 60) % 60, QLatin1Char(':'));
            r.date = FormatTriple(2006 + i % 20, 1 + i % 12, 1 + i % 28, QLatin1Char('.'));
            r.timeOfDay = FormatTriple(i % 24, i % 60, i % 60, QLatin1Char(':'));
            codec.WriteResultRecord(file, r);
        }
        size = file.size();
    }
};

BenchFile& File() {
    static BenchFile file;
    return file;
}

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
    BenchRandom random;
    // Deletes the records of one board size: two thirds are written back. Each run
    // works on a fresh copy of the full file, made outside the timing.
    const QString copy = QStringLiteral("rewrite.dat");
    const QDir folder(f.dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder.filePath(copy));
        QFile::copy(f.path, folder.filePath(copy));
        state.ResumeTiming();
        RewriteRequest request;
        request.mode = RewriteMode::DeleteFiltered;
        request.passesFilter = [](const ResultRecord& r) { return r.boardSize == 5; };
        const RewriteOutcome outcome = RewriteResults(folder, copy, request, random);
        if (outcome.status != RewriteStatus::Rewritten) state.SkipWithError("rewrite failed");
        benchmark::DoNotOptimize(outcome.kept);
    }
    state.SetBytesProcessed(state.iterations() * f.size);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ResultsRewrite)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
