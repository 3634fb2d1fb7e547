// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and rewriting a full minta.dat: 32767 games, the most serials allow. Every
// list, look-up and save reads the whole file, and every save or deletion rewrites it.
#include "setup/StoredGamesFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A 6 x 6 map: each row the colours turned by one more place.
QString benchMap() {
    QString map;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            map += (i == 0 || j == 0 || i == 7 || j == 7) ? QLatin1Char('7') : QChar(u'1' + (i + j) % 6);
    return map;
}

struct FullFile {
    QTemporaryDir dir;
    QDir folder{dir.path()};
    QByteArray bytes;

    FullFile() {
        const QString map = benchMap();
        for (int serial = 1; serial <= kMaxStoredGameSerial; ++serial)
            bytes += MakeStoredGameRecord(serial, 6, QStringLiteral("Kert"), map, {})->toBytes();
        write();
    }
    void write() {
        QFile file(folder.filePath(QString::fromLatin1(kStoredGamesFileName)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

FullFile& File() {
    static FullFile file;
    return file;
}

void BM_StoredGamesScan(benchmark::State& state) {
    FullFile& f = File();
    for (auto _ : state) {
        const std::optional<StoredGamesScan> scan = ReadStoredGames(f.folder);
        if (!scan || scan->games.size() != kMaxStoredGameSerial) state.SkipWithError("file did not read back");
        benchmark::DoNotOptimize(scan);
    }
    state.SetItemsProcessed(state.iterations() * kMaxStoredGameSerial);
}
BENCHMARK(BM_StoredGamesScan)->Unit(benchmark::kMillisecond);

// A deletion in the middle: the whole file through the scratch file, flushed to disk.
void BM_StoredGamesDelete(benchmark::State& state) {
    FullFile& f = File();
    for (auto _ : state) {
        state.PauseTiming();
        f.write();
        const StoredGame game = ReadStoredGames(f.folder)->games[kMaxStoredGameSerial / 2];
        state.ResumeTiming();
        if (DeleteStoredGame(f.folder, game) != StoredGamesWrite::Written) state.SkipWithError("not deleted");
    }
}
BENCHMARK(BM_StoredGamesDelete)->Unit(benchmark::kMillisecond);

} // namespace
