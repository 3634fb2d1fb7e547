#include "ResultsFixture.h"
#include "FakePlatform.h"
#include <QFile>

ResultRecord MakeResult(const ResultSpec& spec) {
    ResultRecord r;
    r.name = QString::fromUtf8(spec.name);
    r.typeCode = QString::fromLatin1(spec.typeCode);
    r.boardSize = spec.boardSize;
    r.gapCount = spec.gapCount;
    r.steps = spec.steps;
    r.elapsed = QString::fromLatin1(spec.elapsed);
    r.date = QString::fromLatin1(spec.date);
    r.timeOfDay = QStringLiteral("12:00:00");
    return r;
}

bool WriteResultsFixture(const QString& path, const QList<ResultSpec>& records, bool damagedTail) {
    FakeRandom random;
    ResultsCodec codec(random);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !codec.WriteResultsHeader(file)) return false;
    for (const ResultSpec& spec : records)
        if (!codec.WriteResultRecord(file, MakeResult(spec))) return false;
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
