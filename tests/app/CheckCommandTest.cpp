// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// --check tells of each data file whether it is whole, and where and why not; --repair
// mends a results file whose end a store cut off, and nothing else.
#include "support/CommandRun.h"
#include "files/FolderLock.h"
#include "presentation/SettingsFile.h"
#include "support/IndependentResultsFile.h"
#include "support/NonRegularFiles.h"
#include "support/StoredGamesFixture.h"
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The type byte of the first record (after the 20-byte header, its 32 bytes and the
// 12-letter name) changed: its check fails.
QByteArray Damaged(QByteArray results) {
    results[20 + 32 + 12] = char(results[20 + 32 + 12] ^ 0x01);
    return results;
}

class CheckCommand : public ::testing::Test {
protected:
    QString Put(const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }
    QByteArray Contents(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QDir folder{dir.path()};
    const QByteArray results = IndependentResultsFile();
};

TEST_F(CheckCommand, TellsOfEachFileWhetherItIsWholeAndWhereAndWhyNot) {
    const QByteArray damaged = Damaged(results);
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
    QFile language(data.filePath(QStringLiteral("English.lng")));
    ASSERT_TRUE(language.open(QIODevice::ReadOnly));
    const QByteArray english = language.readAll();
    struct Case {
        const char* file;
        QByteArray bytes;
        const char* told;   // how the line of the file begins after its name
        int status;
    } cases[] = {
        {"eredm.dat", results, "whole: 4 results", 0},
        {"eredm.dat", results.left(results.size() - 20), "damaged: cut off after result 3", 3},
        {"eredm_vr.dat", results.left(9), "damaged: cut off inside its header (9 bytes)", 3},
        {"eredm.dat", damaged, "damaged: result 1, at offset 20, fails its check", 3},
        {"param.dat", EncodeSettingsRecord(SettingsRecord{}), "whole: one settings record", 0},
        {"param.dat", EncodeSettingsRecord(SettingsRecord{}).left(40), "damaged: 40 of the record's 62 bytes", 3},
        {"minta.dat", GameRecordBytes(1, 4) + GameRecordBytes(2, 5).left(50), "damaged: it ends inside record 2 (50 of", 3},
        {"kever.dat", QByteArray(52, 'x'), "damaged: record 1, at offset 0, holds no shuffled state", 3},
        {"nevek.txt", "\"Anna\"\r\n\"Béla\"\r\n", "whole: 2 names", 0},
        {"nevek.txt", "\"Anna\"\r\n\"Bé", "damaged: line 2 has no line end", 3},
        {"nevek.txt", "\"Anna\"\r\nBéla\r\n", "damaged: line 2 is not one quoted name", 3},
        {"beallit.ini", "Other=x\r\nColourSymbols=1\r\n", "whole", 0},
        {"beallit.ini", "ColourSymbols=yes\r\n", "damaged: line 1: ColourSymbols is neither 0 nor 1", 3},
        {"English.lng", english, "whole: 215 entries", 0},
        {"English.lng", english.left(english.size() / 2), "damaged:", 3},
        {"Leir.doc", "{\\rtf1 Szia\\par}", "whole: a rich-text document", 0},
        {"Leir.doc", "{\\rtf1 {\\b Szia", "damaged: rich text cut short", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + std::string(" ") + c.told);
        const QString path = Put(c.file, c.bytes);
        const CommandRun run = RunCommand({QStringLiteral("--check"), path});
        EXPECT_EQ(run.status, c.status) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(path + QStringLiteral(": ") + QString::fromUtf8(c.told))) << run.out.toStdString();
        EXPECT_EQ(Contents(path), c.bytes) << "a check changed the file";
    }
}

TEST_F(CheckCommand, TheWorstFileDecidesTheExitStatus) {
    const QString whole = Put("eredm.dat", results);
    const QString cut = Put("eredm_vr.dat", results.left(results.size() - 20));
    const QString fifo = folder.filePath(QStringLiteral("param.dat"));
    ASSERT_TRUE(PutNonRegularFile(fifo, NonRegularFile::Fifo));
    const QString other = Put("notes.txt", "x");
    const QString check = QStringLiteral("--check");
    EXPECT_EQ(RunCommand({check, whole, other}).status, 0);
    EXPECT_EQ(RunCommand({check, whole, cut}).status, 3);
    const CommandRun all = RunCommand({check, cut, fifo, whole});
    EXPECT_EQ(all.status, 1);
    EXPECT_TRUE(all.out.contains(fifo + QStringLiteral(": cannot be read: not a regular file")));
    EXPECT_EQ(RunCommand({check, other}).status, 2);   // no file it knows
    EXPECT_EQ(RunCommand({check}).status, 2);
}

TEST_F(CheckCommand, RepairKeepsACutOffEndInASideFileAndLeavesOtherDamageAlone) {
    const QString path = Put("eredm.dat", results.left(results.size() - 20));
    const CommandRun repaired = RunCommand({QStringLiteral("--repair"), path});
    EXPECT_EQ(repaired.status, 0) << repaired.err.toStdString();
    const QStringList sides = folder.entryList({QStringLiteral("eredm.dat.damaged-*")}, QDir::Files);
    ASSERT_EQ(sides.size(), 1);
    EXPECT_TRUE(repaired.out.contains(sides[0]));
    EXPECT_EQ(Contents(path) + Contents(folder.filePath(sides[0])), results.left(results.size() - 20));
    EXPECT_EQ(RunCommand({QStringLiteral("--check"), path}).status, 0);
    EXPECT_EQ(RunCommand({QStringLiteral("--repair"), path}).status, 0);   // whole: nothing to do

    const QByteArray damaged = Damaged(results);
    const QString other = Put("eredm_vr.dat", damaged);
    EXPECT_EQ(RunCommand({QStringLiteral("--repair"), other}).status, 3);
    EXPECT_EQ(Contents(other), damaged);
    const QString settings = Put("param.dat", EncodeSettingsRecord(SettingsRecord{}).left(40));
    EXPECT_EQ(RunCommand({QStringLiteral("--repair"), settings}).status, 2);
    EXPECT_EQ(Contents(settings).size(), 40);
}

// A game running in the folder holds the file: --repair does not cut it under the game.
TEST_F(CheckCommand, RepairWaitsForTheGameToEnd) {
    const QByteArray cut = results.left(results.size() - 20);
    const QString path = Put("eredm.dat", cut);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t game = ::fork();
    if (game == 0) {
        FolderLock lock(folder);
        const char held = lock.take() == FolderLock::State::Held ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1) ::_exit(1);
        for (;;) ::pause();
    }
    char held = 'n';
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    const CommandRun refused = RunCommand({QStringLiteral("--repair"), path});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("the game runs in its folder"))) << refused.err.toStdString();
    EXPECT_EQ(Contents(path), cut);
    ::kill(game, SIGKILL);
    ::waitpid(game, nullptr, 0);
    EXPECT_EQ(RunCommand({QStringLiteral("--repair"), path}).status, 0);
}

} // namespace
