// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/CommandRun.h"
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "presentation/SettingsFile.h"
#include "files/CodePage1250.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The command runs in a game folder of its own, with the language files and a
// param.dat that chooses `language`.
class StatisticsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QDir data(qEnvironmentVariable("ZK_DATA_DIR"));
        for (const char* file : {"Magyar.lng", "English.lng"})
            ASSERT_TRUE(QFile::copy(data.filePath(file), m_dir.filePath(file)));
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    void chooseLanguage(const char* language) {
        SettingsRecord settings;
        settings.language = QString::fromLatin1(language);
        ASSERT_TRUE(WriteSettingsFile(QDir(m_dir.path()), settings));
    }
    CommandRun run(const QStringList& arguments) { return RunCommand(arguments); }

    QTemporaryDir m_dir;
    QString m_previous;
};

const QList<FixtureResult> kResults{{"Anna", "V", 4, 1, 57, "00:03:41", "2024.05.06"},
                                 {"Béla", "S", 6, 2, 120, "00:10:00", "2024.05.07"}};

} // namespace

TEST_F(StatisticsCommand, ExitStatuses) {
    ASSERT_TRUE(WriteResultsFixture("eredm.dat", kResults));
    ASSERT_TRUE(WriteResultsFixture("damaged.dat", kResults, true));
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--statistics", "eredm.dat"}, ExitStatus::Done},
        {{"--statistics", "eredm.dat", "--pendoly"}, ExitStatus::Done},
        {{"--statistics"}, ExitStatus::BadArguments},
        {{"--statistics", "--pendoly"}, ExitStatus::BadArguments},
        {{"--statistics", "eredm.dat", "other.dat"}, ExitStatus::BadArguments},
        {{"--statistics", "eredm.dat", "--list"}, ExitStatus::BadArguments},
        {{"--statistics", "eredm.dat", "--sort"}, ExitStatus::BadArguments},
        {{"--statistics", "missing.dat"}, ExitStatus::FileProblem},
        {{"--statistics", "eredm.dat", "--list", "no such folder/x.lis"}, ExitStatus::FileProblem},
        {{"--statistics", "damaged.dat"}, ExitStatus::DamagedFile},
    };
    for (const auto& c : cases) {
        const CommandRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments.join(' ');
        EXPECT_EQ(r.err.isEmpty(), c.status == ExitStatus::Done) << c.arguments.join(' ') << r.err;
    }
}

TEST_F(StatisticsCommand, AFileThatCannotBeReadIsToldWithTheReason) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.dat"));
    const struct {
        const char* file;
        const char* reason;
    } cases[] = {{"missing.dat", "no such file"}, {"folder.dat", "not a readable file"}};
    for (const auto& c : cases) {
        const CommandRun r = run({"--statistics", c.file});
        EXPECT_EQ(r.status, ExitStatus::FileProblem) << c.file;
        EXPECT_EQ(r.err, QStringLiteral("zelka-kvadra: cannot read %1: %2\n").arg(c.file, c.reason));
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(StatisticsCommand, PrintsTheTableInThePlayersLanguage) {
    chooseLanguage("English");
    ASSERT_TRUE(WriteResultsFixture("eredm.dat", kResults));
    const CommandRun r = run({"--statistics", "eredm.dat"});
    const QStringList lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 7);
    // The heading and the column heads label the best and the worst half of each line.
    GameState english;
    english.texts.languageName = QStringLiteral("English");
    ApplyLanguage(english, QDir(m_dir.path()));
    EXPECT_EQ(lines[0], english.texts.messages.value(151));
    EXPECT_EQ(lines[1], english.texts.messages.value(152));
    EXPECT_TRUE(lines[1].startsWith("S. T.  Cnt")) << lines[1];
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Games with one gap, ranked by steps. Results: 1");
    EXPECT_EQ(lines[5], QString::fromUtf8("4  R     1  Anna                   57  0:03:41 2024.05.06   "
                                          "Anna                   57  0:03:41 2024.05.06"));
    EXPECT_EQ(lines.filter("Games with").size(), 4);
    EXPECT_TRUE(lines.contains(QString::fromUtf8("6  N     1  Béla                  120  0:10:00 2024.05.07   "
                                                 "Béla                  120  0:10:00 2024.05.07")));
    EXPECT_TRUE(r.out.endsWith("\n\nTotal results: 2\n"));
    EXPECT_FALSE(r.out.contains('\r'));

    // Pendoly: the one-gap class only. A damaged file: what was read, then a warning.
    ASSERT_TRUE(WriteResultsFixture("eredm.dat", kResults, true));
    const CommandRun pendoly = run({"--statistics", "eredm.dat", "--pendoly"});
    EXPECT_EQ(pendoly.status, ExitStatus::DamagedFile);
    EXPECT_EQ(pendoly.out.split('\n').filter("Games with").size(), 2);
    EXPECT_TRUE(pendoly.out.endsWith("Total results: 2\n"));
    EXPECT_TRUE(pendoly.err.contains("damaged"));
}

TEST_F(StatisticsCommand, ListWritesTheListFileInsteadAndFallsBackToMagyar) {
    chooseLanguage("Klingon");
    ASSERT_TRUE(WriteResultsFixture("eredm.dat", kResults));
    const CommandRun r = run({"--statistics", "eredm.dat", "--list", "stat.lis"});
    EXPECT_EQ(r.status, ExitStatus::Done);
    EXPECT_EQ(r.out, "");
    QFile list("stat.lis");
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QByteArray bytes = list.readAll();
    const QStringList lines = DecodeCp1250(bytes).split("\r\n");
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("Eredmények statisztikája")));
    EXPECT_EQ(lines[0].size(), 105);
    EXPECT_EQ(lines[lines.size() - 2], QString::fromUtf8("Összes eredmény: 2"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
}
