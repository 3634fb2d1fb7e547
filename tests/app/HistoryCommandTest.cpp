// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `zelka-kvadra --history FILE --name NAME ...`: one player's games in date order.
#include "support/CommandRun.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kHeader = QStringLiteral("n,date,time,type,size,gaps,steps,elapsed,best_steps,best_elapsed,record\n");

class HistoryCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        // In file order; Anna's games are not in date order.
        ASSERT_TRUE(WriteRecordsAsRead(
            path, {Result("Anna", "V", 4, 1, 0, 60, "00:05:00", "2024.01.02", "10:00:00"),
                   Result("Béla", "V", 4, 1, 0, 20, "00:01:00", "2024.01.01", "08:00:00"),
                   Result("Anna", "S", 5, 2, 3, 90, "00:09:00", "2024.01.01", "09:00:00"),
                   Result("Anna", "V", 4, 1, 0, 60, "00:04:00", "2024.01.02", "10:00:00"),
                   Result("anna", "V", 4, 1, 0, 10, "00:00:10", "2024.01.03", "10:00:00"),
                   Result("Anna", "V", 4, 1, 0, 70, "00:03:00", "2024.01.03", "07:00:00"),
                   Result("Anna", "V", 4, 1, 0, 55, "01:30:00", "2024.01.03", "07:00:00")}));
    }
    CommandRun history(QStringList options, const QString& file = QString()) {
        options.prepend(file.isNull() ? path : file);
        options.prepend(QStringLiteral("--history"));
        return RunCommand(options);
    }

    QTemporaryDir m_dir;
    QString path = m_dir.filePath(QStringLiteral("eredm.dat"));
};

} // namespace

TEST_F(HistoryCommandTest, PrintsThePlayersGamesInDateOrderWithTheBestSoFar) {
    const CommandRun r = history({"--name", "Anna"});
    EXPECT_EQ(r.status, ExitStatus::Done);
    EXPECT_EQ(r.out, kHeader + "1,2024.01.01,09:00:00,S,5,2,90,00:09:00,90,00:09:00,steps+time\n"
                               "2,2024.01.02,10:00:00,V,4,1,60,00:05:00,60,00:05:00,steps+time\n"
                               // the same second: file order; equal steps, shorter time
                               "3,2024.01.02,10:00:00,V,4,1,60,00:04:00,60,00:04:00,steps+time\n"
                               "4,2024.01.03,07:00:00,V,4,1,70,00:03:00,60,00:03:00,time\n"
                               "5,2024.01.03,07:00:00,V,4,1,55,01:30:00,55,00:03:00,steps\n");
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(HistoryCommandTest, ChoiceAndFormat) {
    const struct Case {
        QStringList options;
        QString expected;
    } cases[] = {
        {{"--name=Anna", "--size", "4", "--types", "v"},
         kHeader + "1,2024.01.02,10:00:00,V,4,1,60,00:05:00,60,00:05:00,steps+time\n"
                   "2,2024.01.02,10:00:00,V,4,1,60,00:04:00,60,00:04:00,steps+time\n"
                   "3,2024.01.03,07:00:00,V,4,1,70,00:03:00,60,00:03:00,time\n"
                   "4,2024.01.03,07:00:00,V,4,1,55,01:30:00,55,00:03:00,steps\n"},
        // One empty cell only, as the Pendoly statistics take them.
        {{"--name", "Anna", "--pendoly", "--types", "S,SR"}, kHeader},
        {{"--name", "anna", "--format", "tsv"},
         "n\tdate\ttime\ttype\tsize\tgaps\tsteps\telapsed\tbest_steps\tbest_elapsed\trecord\n"
         "1\t2024.01.03\t10:00:00\tV\t4\t1\t10\t00:00:10\t10\t00:00:10\tsteps+time\n"},
        // Names are taken exactly: another case or accent is another player.
        {{"--name", "ANNA"}, kHeader},
        {{"--name", "Bela"}, kHeader},
    };
    for (const Case& c : cases) {
        const CommandRun r = history(c.options);
        EXPECT_EQ(r.status, ExitStatus::Done) << c.options.join(u' ');
        EXPECT_EQ(r.out, c.expected) << c.options.join(u' ');
    }
}

TEST_F(HistoryCommandTest, BadArgumentsMissingAndDamagedFiles) {
    const QStringList bad[] = {{},
                               {"--name"},
                               {"--name", ""},
                               {"--name", "Anna", "--size", "7"},
                               {"--name", "Anna", "--types", "V,X"},
                               {"--name", "Anna", "--format", "xml"},
                               {"--name", "Anna", "--sort", "steps"},
                               {"--name", "Anna", "second.dat"}};
    for (const QStringList& options : bad) {
        const CommandRun r = history(options);
        EXPECT_EQ(r.status, ExitStatus::BadArguments) << options.join(u' ');
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: zelka-kvadra"))) << r.err;
    }

    for (const QString& unreadable : {m_dir.filePath(QStringLiteral("none.dat")), m_dir.path()}) {
        const CommandRun r = history({"--name", "Anna"}, unreadable);
        EXPECT_EQ(r.status, ExitStatus::FileProblem) << unreadable;
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count(u'\n'), 1);
    }

    ASSERT_TRUE(WriteResultsFixture(path, {{"Anna", "V", 4, 1, 40, "00:02:00", "2024.03.01"}}, true));
    const CommandRun damaged = history({"--name", "Anna"});
    EXPECT_EQ(damaged.status, ExitStatus::DamagedFile);
    EXPECT_EQ(damaged.out, kHeader + "1,2024.03.01,12:00:00,V,4,1,40,00:02:00,40,00:02:00,steps+time\n");
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("damaged after record 1"))) << damaged.err;

    // An empty file, or a header alone, holds no games.
    for (const bool header : {false, true}) {
        QFile(path).resize(0);
        if (header) {
            ASSERT_TRUE(WriteRecordsAsRead(path, {}));
        }
        const CommandRun empty = history({"--name", "Anna"});
        EXPECT_EQ(empty.status, ExitStatus::Done);
        EXPECT_EQ(empty.out, kHeader);
    }
}
