// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program, run as a player runs it: the headless views answer at once what
// stands in a file's place, and two copies of the game never share one folder.
#include "files/FolderLock.h"
#include "support/RunProgram.h"
#include "support/NonRegularFiles.h"
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <memory>

namespace {

// Long enough for a loaded machine to start a sanitized program; a view that waits on
// a pipe never ends, and is killed at this limit.
constexpr int kLimitMs = 20000;

// A folder the game keeps its files in: it holds the language files.
QString GameFolder(const QTemporaryDir& dir) {
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
    for (const QString& name : data.entryList(QDir::Files)) QFile::copy(data.filePath(name), QDir(dir.path()).filePath(name));
    return dir.path();
}

TEST(RealProgram, HeadlessViewsAnswerAFifoOrAnEndlessDeviceAtOnce) {
    const QStringList views[] = {{"--statistics", "eredm.dat"}, {"--results", "eredm.dat"},
                                 {"--check", "eredm.dat"},      {"--repair", "eredm.dat"}};
    for (const NonRegularFile kind : {NonRegularFile::Fifo, NonRegularFile::EndlessDevice}) {
        QTemporaryDir dir;
        const QString folder = GameFolder(dir);
        ASSERT_TRUE(PutNonRegularFile(QDir(folder).filePath(QStringLiteral("eredm.dat")), kind));
        for (const QStringList& view : views) {
            SCOPED_TRACE(view.join(u' ').toStdString() + " on " + NonRegularFileName(kind));
            const ProgramRun run = RunProgram(folder, view, kLimitMs);
            std::cout << "[ answered ] " << view.join(u' ').toStdString() << " on " << NonRegularFileName(kind) << " in "
                      << run.ms << " ms\n";
            ASSERT_TRUE(run.finished) << "still running after " << kLimitMs << " ms";
            EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
        }
    }
}

// The statistics read the language named in param.dat, and that language file: a FIFO
// in either place costs the texts, never the answer.
TEST(RealProgram, StatisticsAnswerAFifoInPlaceOfTheSettingsOrTheLanguage) {
    QTemporaryDir dir;
    const QString folder = GameFolder(dir);
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
    for (const char* file : {"param.dat", "Magyar.lng"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(PutNonRegularFile(QDir(folder).filePath(QLatin1String(file)), NonRegularFile::Fifo));
        const ProgramRun run = RunProgram(folder, {QStringLiteral("--statistics"), QStringLiteral("none.dat")}, kLimitMs);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1);   // there is no such results file
        QFile::remove(QDir(folder).filePath(QLatin1String(file)));
    }
}

// What a folder holds: every name with its size, time and contents.
std::map<QString, QByteArray> Snapshot(const QDir& folder) {
    std::map<QString, QByteArray> files;
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        QFile f(info.filePath());
        QByteArray contents = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
        files[info.fileName()] = contents + '@' + info.lastModified().toString(Qt::ISODateWithMs).toLatin1();
    }
    return files;
}

// Waits until the copy `pid` holds the folder and has written its settings. The lock is
// only looked at: trying it could take over a stale one before the copy does.
bool Started(const QDir& folder, pid_t pid) {
    for (int i = 0; i < 200; ++i) {
        qint64 holder = 0;
        QString host;
        QString application;
        const QLockFile lock(folder.filePath(QLatin1String(kFolderLockName)));
        if (lock.getLockInfo(&holder, &host, &application) && holder == pid &&
            QFile::exists(folder.filePath(QStringLiteral("param.dat"))))
            return true;
        QThread::msleep(100);
    }
    return false;
}

// A second copy on the same folder brings the first one's window to the front and ends
// without touching a file; one that gets no answer says so and ends as well. The lock
// of a copy that was killed is taken over by the next one.
TEST(RealProgram, TwoCopiesOfTheGameNeverShareAFolder) {
    QTemporaryDir dir;
    const QDir folder(GameFolder(dir));
    auto first = std::make_unique<RunningProgram>(folder.path(), QStringList{});
    ASSERT_TRUE(Started(folder, first->pid())) << first->outputSoFar().toStdString();
    // The first copy answers only from its event loop, so once it has answered it has
    // written every file of its start (param.dat comes before minta.dat, for one).
    const ProgramRun probe = RunProgram(folder.path(), {}, kLimitMs);
    ASSERT_TRUE(probe.finished && probe.exitCode == 0) << probe.output.toStdString();
    const auto before = Snapshot(folder);

    const ProgramRun second = RunProgram(folder.path(), {}, kLimitMs);
    ASSERT_TRUE(second.finished) << "the second copy opened a window of its own";
    EXPECT_EQ(second.exitCode, 0) << second.output.toStdString();
    EXPECT_TRUE(second.output.contains("brought to the front")) << second.output.toStdString();
    EXPECT_TRUE(Snapshot(folder) == before) << "the second copy changed the folder";

    // A first copy that does not answer: the second says so and opens nothing.
    ::kill(first->pid(), SIGSTOP);
    RunningProgram third(folder.path(), {});
    bool toldItHangs = false;
    for (int i = 0; i < 200 && !toldItHangs; ++i) {
        QThread::msleep(100);
        toldItHangs = third.outputSoFar().contains("does not answer");
    }
    EXPECT_TRUE(toldItHangs) << third.outputSoFar().toStdString();
    EXPECT_TRUE(Snapshot(folder) == before) << "a copy that got no answer changed the folder";
    ::kill(first->pid(), SIGCONT);

    // Killed, the first copy leaves its lock; the next copy takes it over and runs.
    first.reset();
    ASSERT_TRUE(QFile::exists(folder.filePath(QLatin1String(kFolderLockName))));
    RunningProgram next(folder.path(), {});
    ASSERT_TRUE(Started(folder, next.pid())) << next.outputSoFar().toStdString();
    const ProgramRun asking = RunProgram(folder.path(), {}, kLimitMs);
    EXPECT_TRUE(asking.finished && asking.exitCode == 0) << asking.output.toStdString();
}

} // namespace
