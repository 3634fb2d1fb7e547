// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results file the benchmarks work on: a million records, written once per run
// into a temporary folder.
#include "results/ResultsFile.h"
#include "ui/SystemRandom.h"
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

inline constexpr int kRecords = 1'000'000;

// The file is written once per run, into a temporary folder. The records go to the
// players in turn, so each has kRecords / players games spread over the whole file.
struct BenchFile {
    QTemporaryDir dir;
    QString name = QStringLiteral("eredm.dat");
    QString path = dir.filePath(name);
    qint64 size = 0;
    QStringList names;   // the players

    explicit BenchFile(int players = 1000) {
        SystemRandom random(2006);   // the game's generator, with a fixed seed
        ResultsCodec codec(random);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        codec.WriteResultsHeader(file);
        // Players with accented names among them.
        const QString stems[] = {QStringLiteral("Anna"), QStringLiteral("Kovács Béla"),
                                 QStringLiteral("Árvíztűrő tükörfúrógép"), QStringLiteral("Ödön")};
        for (int k = 0; k < players; ++k) names.append(stems[k % 4] + u' ' + QString::number(k));
        const char* codes[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
        for (int i = 0; i < kRecords; ++i) {
            ResultRecord r;
            r.name = names[static_cast<qsizetype>(i % players * 7919 % players)];
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

// A thousand players of a thousand games each.
inline BenchFile& File() {
    static BenchFile file;
    return file;
}

// Ten players of 100 000 games each.
inline BenchFile& FileOfTenPlayers() {
    static BenchFile file(10);
    return file;
}

// The best of three bare decodes of the file at `path`, in seconds: the yardstick of
// the benchmarks' ratios.
inline double BareDecodeSeconds(const QString& path) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        qint64 steps = 0;
        ReadResultsFile(path, [&](const ResultRecord& r) { steps += r.steps; });
        benchmark::DoNotOptimize(steps);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

