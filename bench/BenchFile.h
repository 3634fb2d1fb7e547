#pragma once
// The results file the benchmarks work on: a million records, written once per run
// into a temporary folder.
#include "results/ResultsFile.h"
#include "ui/SystemRandom.h"
#include <QFile>
#include <QTemporaryDir>

inline constexpr int kRecords = 1'000'000;

// The file is written once per run, into a temporary folder.
struct BenchFile {
    QTemporaryDir dir;
    QString name = QStringLiteral("eredm.dat");
    QString path = dir.filePath(name);
    qint64 size = 0;

    BenchFile() {
        SystemRandom random(2006);   // the game's generator, with a fixed seed
        ResultsCodec codec(random);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        codec.WriteResultsHeader(file);
        // A thousand players, some with accented names.
        const QString stems[] = {QStringLiteral("Anna"), QStringLiteral("Kovács Béla"),
                                 QStringLiteral("Árvíztűrő tükörfúrógép"), QStringLiteral("Ödön")};
        QStringList names;
        for (int k = 0; k < 1000; ++k) names.append(stems[k % 4] + u' ' + QString::number(k));
        const char* codes[] = {"V", "VR", "A", "AR", "M", "T", "S", "SR"};
        for (int i = 0; i < kRecords; ++i) {
            ResultRecord r;
            r.name = names[static_cast<qsizetype>(i % 1000 * 7919 % 1000)];
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

inline BenchFile& File() {
    static BenchFile file;
    return file;
}

