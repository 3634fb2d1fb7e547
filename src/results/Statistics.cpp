// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/Statistics.h"
#include "results/ResultsFile.h"
#include <QSysInfo>
#include <cstring>

namespace {

constexpr int kStepsWidth = 5;
constexpr int kElapsedWidth = 8;
constexpr int kNameWidth = 20;
constexpr int kTotalMessage = 144;
constexpr int kGroupMessage = 145;   // + g
constexpr int kCountMessage = 149;

QString Steps5(int steps) { return QString::number(steps).rightJustified(kStepsWidth); }

void Keep(StatEntry& entry, const ResultRecord& r) {
    entry.set = true;
    entry.steps5 = Steps5(r.steps);
    entry.elapsed = r.elapsed;
    entry.date = r.date;
    entry.name = r.name;
}

// `text` padded with blanks or cut to `width` characters.
QString Fit(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

QString Message(const StatTexts& texts, int no) { return texts.messages.value(no); }

// The display code of result type `t`, in the two characters its column holds.
QString DisplayCode(const StatTexts& texts, int t) { return Fit(texts.typeNames[static_cast<size_t>(t)], 2); }

QString TableLine(const Statistics& stats, int g, int j, const StatTexts& texts) {
    const int s = j / 8;
    const int t = j - 8 * s + 1;
    const StatEntry& best = stats.best(g, j);
    const StatEntry& worst = stats.worst(g, j);
    const QChar blank = QLatin1Char(' ');
    QString line;
    line.reserve(kStatLineWidth);
    line += QString::number(s + 4);
    line += QStringLiteral("  ");
    line += DisplayCode(texts, t);
    line += QString::number(stats.count(g / 2, j)).rightJustified(5);
    line += QStringLiteral("  ");
    line += Fit(best.name, kNameWidth) + best.steps5 + blank + FormatStatTime(best) + blank + Fit(best.date, 10);
    line += QStringLiteral("   ");
    line += Fit(worst.name, kNameWidth) + worst.steps5 + blank + FormatStatTime(worst) + blank + Fit(worst.date, 10);
    return line;
}

// Four UTF-16 characters as one number, the first in the highest bits.
quint64 PackFour(const QChar* chars) {
    quint64 x;
    std::memcpy(&x, chars, sizeof x);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        x = x << 32 | x >> 32;
        x = (x & 0xFFFF0000FFFF0000ull) >> 16 | (x & 0x0000FFFF0000FFFFull) << 16;
    }
    return x;
}

// Right-aligned in 5 characters, a longer steps text sorts after a shorter one (a blank
// is less than any other character); at equal length "-" sorts before the digits, and
// the digits of equal-length texts sort as their numbers do.
quint32 StepsOrder(int steps) {
    const bool negative = steps < 0;
    const quint32 magnitude = negative ? 0u - static_cast<quint32>(steps) : static_cast<quint32>(steps);
    const quint32 digits = magnitude < 10 ? 1 : magnitude < 100 ? 2 : magnitude < 1000 ? 3 : magnitude < 10000 ? 4 : 5;
    const quint32 length = digits + (negative ? 1 : 0);
    return (2 * length + (negative ? 0 : 1)) << 20 | (magnitude & 0xFFFFF);
}

} // namespace

StatKey MakeStatKey(const ResultRecord& r) {
    StatKey key;
    key.steps = StepsOrder(r.steps);
    const QChar* chars = r.elapsed.constData();
    if (r.elapsed.size() == kElapsedWidth) {
        key.elapsed = {PackFour(chars), PackFour(chars + 4)};
    } else {
        // A shorter text leaves zeros, which sort first as the end of a text does.
        const qsizetype length = std::min<qsizetype>(r.elapsed.size(), kElapsedWidth);
        for (qsizetype i = 0; i < length; ++i)
            key.elapsed[static_cast<size_t>(i / 4)] |= quint64(chars[i].unicode()) << (16 * (3 - i % 4));
    }
    return key;
}

Statistics::Statistics() {
    StatKey highest;
    highest.steps = ~quint32(0);
    highest.elapsed = {~quint64(0), ~quint64(0)};
    for (auto& keys : m_bestKey) keys.fill(highest);
    for (auto& keys : m_worstKey) keys.fill(StatKey{});
}

template <typename Less>
void Statistics::Rank(int g, int j, const StatKey& key, const ResultRecord& r, Less less) {
    StatKey& best = m_bestKey[g][j];
    if (less(key, best)) {
        best = key;
        Keep(m_best[g][j], r);
    }
    StatKey& worst = m_worstKey[g][j];
    if (less(worst, key)) {
        worst = key;
        Keep(m_worst[g][j], r);
    }
}

void Statistics::Add(const ResultRecord& r) {
    const int typeIndex = TypeIndexOfCode(r.typeCode);
    if (typeIndex == 0 || r.boardSize < 4 || r.boardSize > 6) return;   // the reader lets none through
    const int k = r.gapCount == 1 ? 0 : 1;
    const int j = 8 * (r.boardSize - 4) + (typeIndex - 1);
    ++m_count[k][j];

    const StatKey key = MakeStatKey(r);
    Rank(2 * k, j, key, r, [](const StatKey& a, const StatKey& b) { return StepsKeyLess(a, b); });
    Rank(2 * k + 1, j, key, r, [](const StatKey& a, const StatKey& b) { return TimeKeyLess(a, b); });
}

qint64 Statistics::classTotal(int gapClass) const {
    qint64 sum = 0;
    for (int n : m_count[gapClass]) sum += n;
    return sum;
}

StatisticsScan ScanStatistics(const QString& path) {
    StatisticsScan scan;
    const ResultsScan read = ReadResultsFile(path, [&scan](const ResultRecord& r) { scan.stats.Add(r); });
    scan.missing = read.missing;
    scan.damaged = read.damaged;
    scan.access = read.access;
    return scan;
}

QStringList WriteStatGroupHeader(const Statistics& stats, int g, const StatTexts& texts) {
    QStringList lines;
    if (g > 0) lines << QString(kStatLineWidth, QLatin1Char('-'));
    lines << QString();
    lines << Message(texts, kGroupMessage + g) + QLatin1Char(' ') + Message(texts, kCountMessage) +
                 QLatin1Char(' ') + QString::number(stats.classTotal(g / 2));
    lines << QString();
    return lines;
}

QString FormatStatTime(const StatEntry& entry) {
    QString time = entry.elapsed;
    if (time.startsWith(QLatin1Char('0'))) time[0] = QLatin1Char(' ');
    return time;
}

QStringList StatisticsLines(const Statistics& stats, const StatTexts& texts, bool pendoly) {
    const int lastGroup = pendoly ? 1 : 3;
    QStringList lines;
    for (int g = 0; g <= lastGroup; ++g) {
        lines << WriteStatGroupHeader(stats, g, texts);
        int lastSize = 0;
        for (int j = 0; j < kStatCombinations; ++j) {
            if (!stats.best(g, j).set) continue;
            const int s = j / 8;
            // An empty line before each size after the first; none before 4 x 4.
            if (s != lastSize) lines << QString();
            lastSize = s;
            lines << TableLine(stats, g, j, texts);
        }
    }
    return lines;
}

QString StatisticsTotalLine(const Statistics& stats, const StatTexts& texts) {
    return Message(texts, kTotalMessage) + QLatin1Char(' ') + QString::number(stats.total());
}
