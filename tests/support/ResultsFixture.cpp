// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultsFixture.h"
#include "FakePlatform.h"
#include <QFile>

ResultRecord MakeResult(const FixtureResult& fixture) {
    ResultRecord r;
    r.name = QString::fromUtf8(fixture.name);
    r.typeCode = QString::fromLatin1(fixture.typeCode);
    r.boardSize = fixture.boardSize;
    r.gapCount = fixture.gapCount;
    r.steps = fixture.steps;
    r.elapsed = QString::fromLatin1(fixture.elapsed);
    r.date = QString::fromLatin1(fixture.date);
    r.timeOfDay = QStringLiteral("12:00:00");
    return r;
}

bool WriteResultsFixture(const QString& path, const QList<FixtureResult>& records, bool damagedTail) {
    FakeRandom random;
    ResultsCodec codec(random);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !codec.WriteResultsHeader(file)) return false;
    for (const FixtureResult& fixture : records)
        if (!codec.WriteResultRecord(file, MakeResult(fixture))) return false;
    if (damagedTail) {
        std::optional<QByteArray> bad = codec.EncodeResultRecord(MakeResult({"Damaged"}));
        if (!bad) return false;
        // The high steps byte (1-based position 36 + name length), which a check byte guards.
        const int stepsHigh = 36 + 7;
        (*bad)[stepsHigh - 1] = char((*bad)[stepsHigh - 1] ^ 0x01);
        file.write(*bad);
    }
    return true;
}

ResultRecord Result(const char* name, const char* type, int size, int gaps, int shuffle, int steps,
                    const char* elapsed, const char* date, const char* time) {
    ResultRecord r;
    r.name = QString::fromUtf8(name);
    r.typeCode = QString::fromLatin1(type);
    r.boardSize = size;
    r.gapCount = gaps;
    r.shuffleNo = shuffle;
    r.steps = steps;
    r.elapsed = QString::fromLatin1(elapsed);
    r.date = QString::fromLatin1(date);
    r.timeOfDay = QString::fromLatin1(time);
    return r;
}

bool WriteRecordsAsRead(const QString& path, const QList<ResultRecord>& records) {
    FakeRandom random;
    ResultsCodec codec(random);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !codec.WriteResultsHeader(file)) return false;
    for (const ResultRecord& record : records)
        if (!codec.WriteResultRecord(file, record)) return false;
    return true;
}
