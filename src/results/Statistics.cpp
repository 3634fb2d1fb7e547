#include "results/Statistics.h"
#include "results/ResultsFile.h"

namespace {

constexpr int kStepsWidth = 5;
constexpr int kElapsedWidth = 8;
constexpr int kNameWidth = 20;
constexpr int kTotalMessage = 144;
constexpr int kGroupMessage = 145;   // + g
constexpr int kCountMessage = 149;

// The steps right-aligned with blanks in 5 characters (they never need more).
std::array<char16_t, kStepsWidth> Steps5(int steps) {
    std::array<char16_t, kStepsWidth> text;
    text.fill(u' ');
    const bool negative = steps < 0;
    unsigned value = negative ? 0u - static_cast<unsigned>(steps) : static_cast<unsigned>(steps);
    int at = kStepsWidth;
    do {
        text[static_cast<size_t>(--at)] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0 && at > 0);
    if (negative && at > 0) text[static_cast<size_t>(--at)] = u'-';
    return text;
}

// Copies up to `width` characters of `text` to `out`; a shorter text leaves zeros,
// which sort before every character as the end of a shorter text does.
void CopyInto(char16_t* out, const QString& text, int width) {
    const qsizetype n = std::min<qsizetype>(text.size(), width);
    for (qsizetype i = 0; i < n; ++i) out[i] = text[i].unicode();
    for (qsizetype i = n; i < width; ++i) out[i] = 0;
}

void Keep(StatEntry& entry, const StatKey& key, const std::array<char16_t, kStepsWidth>& steps5,
          const ResultRecord& r) {
    entry.set = true;
    entry.key = key;
    entry.steps5 = QString(reinterpret_cast<const QChar*>(steps5.data()), kStepsWidth);
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

} // namespace

void Statistics::Add(const ResultRecord& r) {
    const int typeIndex = TypeIndexOfCode(r.typeCode);
    if (typeIndex == 0 || r.boardSize < 4 || r.boardSize > 6) return;   // the reader lets none through
    const int k = r.gapCount == 1 ? 0 : 1;
    const int j = 8 * (r.boardSize - 4) + (typeIndex - 1);
    ++m_count[k][j];

    const std::array<char16_t, kStepsWidth> steps5 = Steps5(r.steps);
    StatKey stepsKey;
    StatKey timeKey;
    std::copy(steps5.begin(), steps5.end(), stepsKey.begin());
    CopyInto(stepsKey.data() + kStepsWidth, r.elapsed, kElapsedWidth);
    CopyInto(timeKey.data(), r.elapsed, kElapsedWidth);
    std::copy(steps5.begin(), steps5.end(), timeKey.begin() + kElapsedWidth);

    for (const auto& [g, key] : {std::pair{2 * k, &stepsKey}, std::pair{2 * k + 1, &timeKey}}) {
        StatEntry& best = m_best[g][j];
        if (!best.set || *key < best.key) Keep(best, *key, steps5, r);
        StatEntry& worst = m_worst[g][j];
        if (!worst.set || *key > worst.key) Keep(worst, *key, steps5, r);
    }
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
