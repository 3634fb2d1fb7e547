// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/Statistics.h"
#include "results/StatisticsList.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::array<QString, 9> kTypeNames{"", "V", "VR", "A", "AR", "M", "T", "S", "SR"};

// Message n reads "m<n>" apart from the texts the statistics build on.
QStringList Messages() {
    QStringList m;
    for (int n = 0; n <= 171; ++n) m << QStringLiteral("m%1").arg(n);
    for (int g = 0; g < 4; ++g) m[145 + g] = QStringLiteral("Group%1").arg(g);
    m[149] = QStringLiteral("results:");
    m[144] = QStringLiteral("Total:");
    m[150] = QStringLiteral("Statistics");
    return m;
}

struct StatRun {
    QStringList lines;
    Statistics stats;
    bool damaged = false;
};

StatRun Compute(const QList<FixtureResult>& records, bool pendoly = false, bool damagedTail = false) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eredm.dat"));
    EXPECT_TRUE(WriteResultsFixture(path, records, damagedTail));
    const StatisticsScan scan = ScanStatistics(path);
    const QStringList messages = Messages();
    return {StatisticsLines(scan.stats, {messages, kTypeNames}, pendoly), scan.stats, scan.damaged};
}

// Each printed group as one text: its rows as "<size><code> <count> <best>/<worst>",
// separated by "; ", with "|" for an empty line before a size.
QStringList Groups(const QStringList& lines) {
    QList<QStringList> groups;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QLatin1String("Group"))) {
            groups.append(QStringList());
            inGroup = true;
            ++i;   // the empty line under the heading
        } else if (line.startsWith(QLatin1Char('-'))) {
            inGroup = false;
        } else if (inGroup) {
            groups.last() << (line.isEmpty() ? QStringLiteral("|")
                                             : line.left(1) + line.mid(3, 2).trimmed() + ' ' +
                                                   line.mid(5, 5).trimmed() + ' ' + line.mid(12, 20).trimmed() +
                                                   '/' + line.mid(60, 20).trimmed());
        }
    }
    QStringList texts;
    for (const QStringList& rows : groups) {
        QString text;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (r > 0) text += rows[r] == "|" || rows[r - 1] == "|" ? " " : "; ";
            text += rows[r];
        }
        texts << text;
    }
    return texts;
}

} // namespace

TEST(Statistics, BestAndWorstPerGroupFollowTheKeyRules) {
    struct Case {
        const char* what;
        QList<FixtureResult> records;
        bool pendoly;
        QStringList groups;   // one entry per printed group
    };
    const Case cases[] = {
        {"a single result is best and worst in both groups of its class",
         {{"Anna"}}, false, {"4V 1 Anna/Anna", "4V 1 Anna/Anna", "", ""}},
        {"steps rank as numbers, time ranks by the elapsed text",
         {{"Anna", "V", 4, 1, 100, "00:02:00"}, {"Béla", "V", 4, 1, 99, "00:03:00"},
          {"Csaba", "V", 4, 1, 1000, "00:00:30"}},
         false, {"4V 3 Béla/Csaba", "4V 3 Csaba/Béla", "", ""}},
        {"equal steps are ranked by time",
         {{"Anna", "V", 4, 1, 50, "00:02:00"}, {"Béla", "V", 4, 1, 50, "00:01:00"},
          {"Csaba", "V", 4, 1, 50, "00:03:00"}},
         false, {"4V 3 Béla/Csaba", "4V 3 Béla/Csaba", "", ""}},
        {"full ties keep the earlier result as best and as worst",
         {{"Anna"}, {"Béla"}, {"Csaba"}}, false, {"4V 3 Anna/Anna", "4V 3 Anna/Anna", "", ""}},
        {"one empty cell is class 0; none or two or more are class 1",
         {{"Anna", "V", 4, 0, 30}, {"Béla", "V", 4, 1, 20}, {"Csaba", "V", 4, 2, 40}},
         false, {"4V 1 Béla/Béla", "4V 1 Béla/Béla", "4V 2 Anna/Csaba", "4V 2 Anna/Csaba"}},
        {"the Pendoly mode shows class 0 only",
         {{"Anna", "V", 4, 0, 30}, {"Béla", "V", 4, 1, 20}}, true, {"4V 1 Béla/Béla", "4V 1 Béla/Béla"}},
        {"rows run by size, then type; an empty line comes before each later size",
         {{"Anna", "SR", 4}, {"Béla", "S", 6}, {"Csaba", "V", 4}, {"Dóra", "AR", 6}},
         false,
         {"4V 1 Csaba/Csaba; 4SR 1 Anna/Anna | 6AR 1 Dóra/Dóra; 6S 1 Béla/Béla",
          "4V 1 Csaba/Csaba; 4SR 1 Anna/Anna | 6AR 1 Dóra/Dóra; 6S 1 Béla/Béla", "", ""}},
        {"a first size other than 4 x 4 has an empty line before it",
         {{"Anna", "M", 5}}, false, {"| 5M 1 Anna/Anna", "| 5M 1 Anna/Anna", "", ""}},
    };
    for (const Case& c : cases) {
        const StatRun run = Compute(c.records, c.pendoly);
        EXPECT_EQ(Groups(run.lines), c.groups) << c.what << "\n" << run.lines.join('\n').toStdString();
        EXPECT_FALSE(run.damaged) << c.what;
    }
}

TEST(Statistics, TableLayout) {
    const StatRun run = Compute({{"Kovács Béla Árvíztűrő Tükör", "AR", 5, 1, 57, "00:03:41", "2024.05.06"},
                             {"Ödön", "AR", 5, 1, 9999, "10:00:00", "2025.12.31"}},
                            true);
    const QString best = QString::fromUtf8("Kovács Béla Árvíztűr   57  0:03:41 2024.05.06");
    const QString worst = QString::fromUtf8("Ödön                 9999 10:00:00 2025.12.31");
    const QString byTime = QString::fromUtf8("Kovács Béla Árvíztűr   57  0:03:41 2024.05.06");
    const QStringList expected{
        "",
        "Group0 results: 2",
        "",
        "",   // before 5 x 5
        "5  AR    2  " + best + "   " + worst,
        QString(105, '-'),
        "",
        "Group1 results: 2",
        "",
        "",
        "5  AR    2  " + byTime + "   " + worst,
    };
    EXPECT_EQ(run.lines, expected);
    EXPECT_EQ(run.lines[4].size(), kStatLineWidth);
    EXPECT_EQ(StatisticsTotalLine(run.stats, {Messages(), kTypeNames}), "Total: 2");
}

TEST(Statistics, ADamagedFileCoversTheResultsBeforeTheDamage) {
    const StatRun run = Compute({{"Anna"}, {"Béla", "S", 6}}, false, true);
    EXPECT_TRUE(run.damaged);
    EXPECT_EQ(run.stats.total(), 2);
    EXPECT_EQ(Groups(run.lines)[0], "4V 1 Anna/Anna | 6S 1 Béla/Béla");
}

TEST(Statistics, ListTitleAndTotal) {
    const QStringList messages = Messages();
    StatisticsListInput input{{"", "table"}, "heading", "heads", "Total: 1", false};
    const ListDocument file = PrintStatistics(input, messages, "2026.03.07", ListTarget::File);
    ASSERT_EQ(file.pages.size(), 1);
    const QStringList& lines = file.pages[0];
    EXPECT_EQ(lines[0], "Statistics" + QString(85, ' ') + "2026.03.07");
    EXPECT_EQ(lines.mid(1, 4), (QStringList{"", "heading", "heads", QString(105, '-')}));
    EXPECT_EQ(lines.mid(5), (QStringList{"", "table", "", "", "Total: 1"}));

    // The printed list has no total; the Pendoly title names the mode.
    input.pendoly = true;
    const ListDocument printed = PrintStatistics(input, messages, "2026.03.07", ListTarget::Printer);
    EXPECT_EQ(printed.pages[0].last(), "table");
    EXPECT_EQ(printed.pages[0][0], "Statistics" + QString(28, ' ') + "Pendoly" + QString(50, ' ') + "2026.03.07");
    EXPECT_EQ(printed.pages[0][0].size(), 105);
}

TEST(Statistics, PackedKeysOrderAsTheirTexts) {
    // Steps and elapsed texts (always 8 characters from a file), including ones no game
    // writes: negative steps, characters other than digits.
    const int steps[] = {0, 5, 9, 10, 57, 99, 100, 999, 9999, 32367, -1, -5, -12, -450};
    const char* elapsed[] = {"00:00:00", "00:01:00", "00:10:00", "10:00:00", "0:1     ", "        ",
                             "00:0\xc5\x91:00", "99:59:59", "\xc3\x96\xc3\x96:00:00"};
    std::vector<std::pair<ResultRecord, QString>> samples;
    for (int s : steps)
        for (const char* e : elapsed) {
            ResultRecord r;
            r.steps = s;
            r.elapsed = QString::fromUtf8(e);
            samples.emplace_back(r, QString::number(s).rightJustified(5) + QLatin1Char('|') + r.elapsed);
        }
    for (const auto& [a, aText] : samples)
        for (const auto& [b, bText] : samples) {
            const QString aSteps = aText.left(5) + aText.mid(6), bSteps = bText.left(5) + bText.mid(6);
            const QString aTime = aText.mid(6) + aText.left(5), bTime = bText.mid(6) + bText.left(5);
            ASSERT_EQ(StepsKeyLess(MakeStatKey(a), MakeStatKey(b)), aSteps < bSteps) << aText << " / " << bText;
            ASSERT_EQ(TimeKeyLess(MakeStatKey(a), MakeStatKey(b)), aTime < bTime) << aText << " / " << bText;
        }
}
