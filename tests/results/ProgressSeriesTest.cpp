// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ProgressSeries.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

ResultsTable TableOf(const QList<ResultRecord>& records) {
    ResultsTable table;
    for (const ResultRecord& r : records) table.Append(r);
    return table;
}

ResultRecord Game(int steps, const char* elapsed, const char* date, const char* time, const char* name = "Anna") {
    return Result(name, "V", 4, 1, 0, steps, elapsed, date, time);
}

// One game of a series as "<file row> <steps>/<best steps> <elapsed s>/<best s> <S><T>".
QString Line(const ProgressGame& g) {
    return QStringLiteral("%1 %2/%3 %4/%5 %6%7")
        .arg(g.row)
        .arg(g.steps)
        .arg(g.bestSteps)
        .arg(g.elapsed)
        .arg(g.bestElapsed)
        .arg(g.stepsRecord ? "S" : "-")
        .arg(g.timeRecord ? "T" : "-");
}

QStringList Lines(const ProgressSeries& series) {
    QStringList lines;
    for (const ProgressGame& g : series.games) lines << Line(g);
    return lines;
}

ProgressChoice Anna() {
    ProgressChoice choice;
    choice.name = QStringLiteral("Anna");
    return choice;
}

} // namespace

// The file order is not the date order: the series goes by date, then time of day,
// then file order; ties on steps are broken by the time, as the statistics rank.
TEST(ProgressSeries, RunningBestAndRecordsInDateOrder) {
    const ResultsTable table = TableOf({
        Game(60, "00:05:00", "2024.01.02", "10:00:00"),   // 0
        Game(60, "00:04:00", "2024.01.02", "12:00:00"),   // 1 equal steps, shorter: both records
        Game(60, "00:04:00", "2024.01.03", "09:00:00"),   // 2 equal steps and time: no record
        Game(55, "00:06:00", "2024.01.03", "10:00:00"),   // 3 a steps record ...
        Game(50, "00:06:00", "2024.01.03", "18:00:00"),   // 4 no record: 7 came earlier that day
        Game(50, "00:03:00", "2024.01.03", "18:00:00"),   // 5 same second as 4, after it in the file
        Game(70, "00:09:00", "2023.12.31", "23:59:59"),   // 6 the earliest game, in the file late
        Game(49, "01:00:00", "2024.01.03", "17:59:59"),   // 7 ... broken again the same day
    });
    const QStringList expected = {
        "6 70/70 540/540 ST",   //
        "0 60/60 300/300 ST",   //
        "1 60/60 240/240 ST",   //
        "2 60/60 240/240 --",   //
        "3 55/55 360/240 S-",   //
        "7 49/49 3600/240 S-",  //
        "4 50/49 360/240 --",   //
        "5 50/49 180/180 -T",   //
    };
    const ProgressSeries series = BuildProgressSeries(table, Anna());
    EXPECT_EQ(Lines(series), expected);
    // The time record holder of each game, for the best time's own text.
    std::vector<std::uint32_t> holders;
    for (const ProgressGame& g : series.games) holders.push_back(g.bestTimeGame);
    EXPECT_EQ(holders, (std::vector<std::uint32_t>{0, 1, 2, 2, 2, 2, 2, 7}));
}

// A time that is not hh:mm:ss is no time: never a record, left out of the averages,
// ranked after every known time when steps tie. A date that is not yyyy.mm.dd goes
// last, a time of day that is not hh:mm:ss last within its day.
TEST(ProgressSeries, TextsInAnotherFormSortLastAndHaveNoTime) {
    const ResultsTable table = TableOf({
        Game(40, "0:0x:00 ", "2024.01.02", "10:00:00"),   // 0 no time
        Game(40, "00:07:00", "2024.01.02", "11:00:00"),   // 1 equal steps with a time: a steps record
        Game(30, "00:01:00", "2024 1 1  ", "10:00:00"),   // 2 odd date: last
        Game(35, "00:02:00", "2024.01.02", "later   "),   // 3 odd time: after the day's other games
        Game(45, "00:08:00", "????.??.??", "00:00:00"),   // 4 odd date: before 2 by its time of day
        Game(40, "-", "2024.01.02", "12:00:00"),          // 5 equal steps without a time: none
    });
    const ProgressSeries series = BuildProgressSeries(table, Anna());
    EXPECT_EQ(Lines(series), (QStringList{"0 40/40 -1/-1 S-", "1 40/40 420/420 ST", "5 40/40 -1/420 --",
                                          "3 35/35 120/120 ST", "4 45/35 480/120 --", "2 30/30 60/60 ST"}));
    EXPECT_TRUE(std::isnan(series.games[0].averageElapsed));
    EXPECT_DOUBLE_EQ(series.games[2].averageElapsed, 420);
    EXPECT_DOUBLE_EQ(series.games[3].averageElapsed, (420 + 120) / 2.0);
}

TEST(ProgressSeries, MovingAverageOverTheLastTenGames) {
    QList<ResultRecord> records;
    for (int n = 1; n <= 12; ++n)
        records << Game(10 * n, n == 2 ? "--:--:--" : "00:00:10", "2024.02.01",
                        qPrintable(QStringLiteral("10:00:%1").arg(n, 2, 10, QLatin1Char('0'))));
    records[11].elapsed = QStringLiteral("00:01:50");
    const ProgressSeries series = BuildProgressSeries(TableOf(records), Anna());
    ASSERT_EQ(series.games.size(), 12u);
    const std::vector<std::pair<std::size_t, double>> steps = {{0, 10}, {1, 15}, {9, 55}, {10, 65}, {11, 75}};
    for (const auto& [n, mean] : steps) EXPECT_DOUBLE_EQ(series.games[n].averageSteps, mean) << n;
    // Game 2 has no time: the first windows hold one time fewer, until it leaves.
    EXPECT_DOUBLE_EQ(series.games[1].averageElapsed, 10);
    EXPECT_DOUBLE_EQ(series.games[10].averageElapsed, 10);
    EXPECT_DOUBLE_EQ(series.games[11].averageElapsed, (9 * 10 + 110) / 10.0);
}

TEST(ProgressSeries, ChoiceTakesTheExactNameSizeTypesAndGaps) {
    const ResultsTable table = TableOf({
        Result("Anna", "V", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00"),    // 0
        Result("anna", "V", 4, 1, 0, 11, "00:01:00", "2024.01.01", "10:00:01"),    // 1 other case
        Result("Anná", "V", 4, 1, 0, 12, "00:01:00", "2024.01.01", "10:00:02"),    // 2 other accent
        Result("Anna", "S", 5, 1, 0, 13, "00:01:00", "2024.01.01", "10:00:03"),    // 3
        Result("Anna", "VR", 4, 2, 0, 14, "00:01:00", "2024.01.01", "10:00:04"),   // 4
        Result("Anna", "T", 6, 0, 0, 15, "00:01:00", "2024.01.01", "10:00:05"),    // 5
    });
    const auto rows = [&table](const ProgressChoice& choice) {
        std::vector<std::uint32_t> rows;
        for (const ProgressGame& g : BuildProgressSeries(table, choice).games) rows.push_back(g.row);
        return rows;
    };
    using Rows = std::vector<std::uint32_t>;
    ProgressChoice choice = Anna();
    EXPECT_EQ(rows(choice), (Rows{0, 3, 4, 5}));
    choice.boardSize = 4;
    EXPECT_EQ(rows(choice), (Rows{0, 4}));
    choice.types.fill(false);
    choice.types[2] = true;
    EXPECT_EQ(rows(choice), (Rows{4}));
    choice = Anna();
    choice.oneGapOnly = true;
    EXPECT_EQ(rows(choice), (Rows{0, 3}));
    choice.name = QString::fromUtf8("Anná");
    EXPECT_EQ(rows(choice), (Rows{2}));
    choice.name = QStringLiteral("Nobody");
    EXPECT_EQ(rows(choice), Rows{});
    EXPECT_EQ(rows(ProgressChoice{}), Rows{});   // no name: nobody's games
}

TEST(ProgressSeries, PlayerNamesEachOnceWithoutStoredGameNames) {
    ResultRecord stored = Result("Anna", "T", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00");
    stored.storedGameName = QStringLiteral("Csillag");
    const ResultsTable table = TableOf({
        Result("béla", "V", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00"),
        stored,
        Result("Cecil", "V", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00"),
        Result("Béla", "V", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00"),
        Result("Anna", "V", 4, 1, 0, 10, "00:01:00", "2024.01.01", "10:00:00"),
    });
    EXPECT_EQ(ProgressPlayerNames(table), (QStringList{"Anna", "Béla", "béla", "Cecil"}));
    EXPECT_EQ(ProgressPlayerNames(ResultsTable{}), QStringList{});
}
