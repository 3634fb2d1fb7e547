// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// `zelka-kvadra --results FILE ...` on a file written by another program.
#include "support/CommandRun.h"
#include "support/IndependentResultsFile.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ResultsCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(WriteIndependentResultsFile(path));
    }
    CommandRun results(QStringList options, const QString& file = QString()) {
        options.prepend(file.isNull() ? path : file);
        options.prepend(QStringLiteral("--results"));
        return RunCommand(options);
    }

    QTemporaryDir m_dir;
    QString path = m_dir.filePath(QStringLiteral("eredm.dat"));
};

const QString kHeader = QStringLiteral("row,name,type,size,gaps,game_name,game_no,shuffle_no,steps,elapsed,date,time,record\n");
const QString kRow1 = QStringLiteral("\"Kovács, Béla\",T,5,2,Csík,12,3,187,12:00:00,2006.03.07,09:05:03,1\n");
const QString kRow2 = QStringLiteral("anna,VR,4,1,,,,42,00:03:41,2024.01.05,23:59:59,2\n");
const QString kRow3 = QStringLiteral("\"Ödön \"\"ÖK\"\"\",SR,6,0,,,7,1000,01:05:00,2024.01.05,08:00:00,3\n");
const QString kRow4 = QStringLiteral("Béla,T,5,2,Csík,12,,187,02:30:00,2006.03.07,09:05:04,4\n");

// The rows with their row numbers, in the order given.
QString Rows(std::initializer_list<const QString*> rows) {
    QString text = kHeader;
    int n = 0;
    for (const QString* row : rows) text += QString::number(++n) + u',' + *row;
    return text;
}

} // namespace

TEST_F(ResultsCommandTest, PrintsEveryRecordInStorageOrderByDefault) {
    const CommandRun r = results({});
    EXPECT_EQ(r.status, ExitStatus::Done);
    EXPECT_EQ(r.out, Rows({&kRow1, &kRow2, &kRow3, &kRow4}));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(ResultsCommandTest, FiltersAndSortsAsTheBrowserDoes) {
    struct Case {
        QStringList options;
        QString expected;
    } cases[] = {
        {{"--sort", "steps"}, Rows({&kRow2, &kRow4, &kRow1, &kRow3})},   // equal steps: 2:30:00 before 12:00:00
        {{"--sort", "time"}, Rows({&kRow2, &kRow3, &kRow4, &kRow1})},
        {{"--sort", "steps", "--descending"}, Rows({&kRow3, &kRow1, &kRow4, &kRow2})},
        {{"--sort", "date"}, Rows({&kRow1, &kRow4, &kRow3, &kRow2})},
        // Equal dates and times would keep file order also descending; here the times differ.
        {{"--sort=date", "--descending"}, Rows({&kRow2, &kRow3, &kRow4, &kRow1})},
        {{"--sort", "name"}, Rows({&kRow2, &kRow4, &kRow1, &kRow3})},
        {{"--sort", "order", "--descending"}, Rows({&kRow4, &kRow3, &kRow2, &kRow1})},
        {{"--size", "5"}, Rows({&kRow1, &kRow4})},
        {{"--size", "all", "--types", "VR,SR"}, Rows({&kRow2, &kRow3})},
        {{"--gaps", "0"}, Rows({&kRow3})},
        {{"--steps-below", "187"}, Rows({&kRow2})},
        {{"--time-below", "2:30:00"}, Rows({&kRow2, &kRow3})},
        {{"--time-below", "12:00:01"}, Rows({&kRow1, &kRow2, &kRow3, &kRow4})},
        {{"--shuffled", "yes"}, Rows({&kRow1, &kRow3})},
        {{"--shuffled", "no", "--types", "t"}, Rows({&kRow4})},
        {{"--types", "M"}, Rows({})},
    };
    for (const Case& c : cases) {
        const CommandRun r = results(c.options);
        EXPECT_EQ(r.status, ExitStatus::Done) << c.options.join(u' ').toStdString();
        EXPECT_EQ(r.out, c.expected) << c.options.join(u' ').toStdString();
    }
}

TEST_F(ResultsCommandTest, TabSeparatedOutputNeedsNoQuotes) {
    const CommandRun r = results({"--format", "tsv", "--sort", "name", "--size", "6"});
    EXPECT_EQ(r.status, ExitStatus::Done);
    EXPECT_EQ(r.out, QStringLiteral("row\tname\ttype\tsize\tgaps\tgame_name\tgame_no\tshuffle_no\tsteps\telapsed\tdate\ttime\trecord\n"
                                    "1\tÖdön \"ÖK\"\tSR\t6\t0\t\t\t7\t1000\t01:05:00\t2024.01.05\t08:00:00\t3\n"));
}

TEST_F(ResultsCommandTest, BadArgumentsAreRefusedWithTheUsage) {
    const QStringList bad[] = {{"--size", "7"},     {"--types", "V,X"},       {"--gaps", "-"},
                               {"--steps-below"},   {"--time-below", "1:2"},  {"--time-below", "0:61:00"},
                               {"--shuffled", "maybe"}, {"--sort", "colour"}, {"--format", "xml"},
                               {"--colour", "red"}, {"second.dat"}};
    for (const QStringList& options : bad) {
        const CommandRun r = results(options);
        EXPECT_EQ(r.status, ExitStatus::BadArguments) << options.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage: zelka-kvadra"))) << r.err.toStdString();
    }
    CommandRun noFile;
    QTextStream out(&noFile.out), err(&noFile.err);
    EXPECT_EQ(RunCommandLine({QStringLiteral("--results")}, out, err), ExitStatus::BadArguments);
}

// A table cut off by a full disk must not pass for the whole one.
TEST_F(ResultsCommandTest, RowsThatCannotBeWrittenAreAFailure) {
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) GTEST_SKIP() << "no /dev/full here";
    QTextStream out(&full);
    QString errText;
    QTextStream err(&errText);
    EXPECT_EQ(RunCommandLine({QStringLiteral("--results"), path}, out, err), ExitStatus::FileProblem);
    err.flush();
    EXPECT_EQ(errText, QStringLiteral("zelka-kvadra: the rows could not all be written\n"));
}

TEST_F(ResultsCommandTest, AMissingFileIsOneLineOnStandardError) {
    const CommandRun r = results({}, m_dir.filePath(QStringLiteral("none.dat")));
    EXPECT_EQ(r.status, ExitStatus::FileProblem);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("none.dat")));
    EXPECT_EQ(results({}, m_dir.path()).status, ExitStatus::FileProblem);   // a folder
}

TEST_F(ResultsCommandTest, ADamagedFilePrintsTheRowsBeforeTheDamageAndWarns) {
    QByteArray bytes = IndependentResultsFile();
    bytes.chop(20);
    ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
    const CommandRun r = results({});
    EXPECT_EQ(r.status, ExitStatus::DamagedFile);
    EXPECT_EQ(r.out, Rows({&kRow1, &kRow2, &kRow3}));
    EXPECT_TRUE(r.err.contains(QStringLiteral("damaged")));
}

// Counts below zero, as altered bytes read: printed, filtered and sorted as they read,
// as the results window does.
TEST_F(ResultsCommandTest, CountsBelowZeroArePrintedFilteredAndSortedAsTheyRead) {
    ASSERT_TRUE(WriteRecordsAsRead(path, {Result("Anna", "V", 4, 1, 0, 40, "00:03:00", "2024.01.05", "10:00:00"),
                                          Result("Zoli", "V", 4, -4, -7, -130, "00:02:00", "2024.01.06", "11:00:00")}));
    const QString anna = QStringLiteral("Anna,V,4,1,,,,40,00:03:00,2024.01.05,10:00:00,1\n");
    const QString zoli = QStringLiteral("Zoli,V,4,-4,,,-7,-130,00:02:00,2024.01.06,11:00:00,2\n");
    const struct {
        QStringList options;
        QString expected;
    } cases[] = {
        {{}, Rows({&anna, &zoli})},
        {{"--sort", "steps"}, Rows({&zoli, &anna})},
        {{"--steps-below", "50"}, Rows({&anna, &zoli})},
        {{"--steps-below", "-100"}, Rows({&zoli})},
        {{"--gaps", "-4"}, Rows({&zoli})},
        {{"--gaps=-4", "--shuffled", "yes"}, Rows({&zoli})},
    };
    for (const auto& c : cases) {
        const CommandRun r = results(c.options);
        EXPECT_EQ(r.status, ExitStatus::Done) << c.options.join(u' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.out, c.expected) << c.options.join(u' ').toStdString();
    }
}

TEST_F(ResultsCommandTest, AnEmptyFileOrAHeaderAlonePrintsTheHeaderLine) {
    for (const QByteArray& bytes : {QByteArray(), IndependentResultsFile().left(20)}) {
        ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
        const CommandRun r = results({});
        EXPECT_EQ(r.status, ExitStatus::Done);
        EXPECT_EQ(r.out, kHeader);
    }
}

TEST(ResultsCommandUsage, HelpDescribesTheResultsView) {
    QString text;
    QTextStream out(&text), err(&text);
    EXPECT_EQ(RunCommandLine({QStringLiteral("--help")}, out, err), ExitStatus::Done);
    out.flush();
    EXPECT_TRUE(text.contains(QStringLiteral("--results FILE")));
}
