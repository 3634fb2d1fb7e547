// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every rewrite of a player's data file, killed at every point of its run: the file is
// then either the old one or the new one, byte for byte, and the next run of the same
// rewrite in that folder does exactly what it does after a clean run.
#include "rewrites/KillPoints.h"
#include "rewrites/RewriteCases.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>

namespace {

// --- the check -------------------------------------------------------------------

// What a folder holds after the rewrite ran in it.
struct Outcome {
    Content data;
    QStringList files;
};

class KillCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"clean", "again", "killed"})
            ASSERT_TRUE(QDir(root.path()).mkdir(QString::fromLatin1(sub)));
        BuildSharedFixtures(); // built before the first fork, so no child builds them
    }

    QDir folder(const char* sub) const {
        return QDir(root.path() + QLatin1Char('/') + QString::fromLatin1(sub));
    }

    Outcome RunIn(const QDir& dir) const {
        rewriteCase->rewrite(dir);
        return {ContentOf(dir, rewriteCase->dataFile), Listing(dir)};
    }

    // The rewrite once on the old file and once more on its result, each in a clean folder.
    void RunClean() {
        const RewriteCase& c = *rewriteCase;
        const QDir clean = folder("clean");
        c.lay(clean);
        oldData = ContentOf(clean, c.dataFile);
        ASSERT_TRUE(c.rewrite(clean)) << "the rewrite does not do its work on the laid-out folder";
        afterOld = {ContentOf(clean, c.dataFile), Listing(clean)};
        ASSERT_FALSE(oldData == afterOld.data) << "the rewrite changes nothing";

        const QDir again = folder("again");
        c.lay(again);
        Put(again, c.dataFile, afterOld.data);
        afterNew = RunIn(again);
    }

    // After a kill: the file is whole, and what the kill left does not change the next run.
    bool InspectKilled(bool killed) {
        const QDir dir = folder("killed");
        const Content now = ContentOf(dir, rewriteCase->dataFile);
        if (!killed) {
            EXPECT_TRUE(now == afterOld.data)
                << "the unkilled run wrote " << Describe(now) << ", not the new file ("
                << Versus(now, afterOld.data) << ")";
            EXPECT_EQ(Listing(dir), afterOld.files);
            return !HasFailure();
        }
        const bool isOld = now == oldData;
        EXPECT_TRUE(isOld || now == afterOld.data)
            << "a kill left " << Describe(now) << ", neither the old file (" << Versus(now, oldData)
            << ") nor the new one (" << Versus(now, afterOld.data) << ")";
        if (HasFailure()) return false;
        const Outcome next = RunIn(dir);
        const Outcome& expected = isOld ? afterOld : afterNew;
        EXPECT_TRUE(next.data == expected.data)
            << "the next run after a kill that left the " << (isOld ? "old" : "new")
            << " file wrote " << Describe(next.data) << " instead of "
            << Versus(next.data, expected.data);
        EXPECT_EQ(next.files, expected.files) << "a kill left files behind";
        return !HasFailure();
    }

    KillPointsRun RunKills(KillMechanism wanted) {
        const RewriteCase& c = *rewriteCase;
        const QDir dir = folder("killed");
        KillPointsCase killCase;
        killCase.prepare = [&] {
            Empty(dir);
            c.lay(dir);
        };
        killCase.action = [&] { return c.rewrite(dir); };
        killCase.inspect = [&](bool killed) { return InspectKilled(killed); };

        QElapsedTimer timer;
        timer.start();
        const KillPointsRun run = RunKillPoints(killCase, wanted);
        std::cout << "[ kills    ] " << c.name << ": " << KillMechanismName(run.mechanism) << ", "
                  << run.kills << " kill points, " << timer.elapsed() << " ms\n";
        return run;
    }

    void CheckEveryKill(const RewriteCase& c, KillMechanism wanted) {
        rewriteCase = &c;
        ASSERT_NO_FATAL_FAILURE(RunClean());
        const KillPointsRun run = RunKills(wanted);
        EXPECT_EQ(run.error, "");
        EXPECT_TRUE(run.finished);
        // A handful of kills could miss the write altogether.
        EXPECT_GT(run.kills, 10);
    }

    QTemporaryDir root;
    const RewriteCase* rewriteCase = nullptr;
    Content oldData;
    Outcome afterOld;
    Outcome afterNew;
};

class RewriteKill : public KillCheck, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(RewriteKill, EveryKillLeavesTheOldOrTheNewFile) {
    CheckEveryKill(GetParam(), KillMechanism::SystemCallStops);
}

// The fallback for systems that forbid tracing, on a rewrite with much to read and write.
TEST_F(KillCheck, TimedKillsLeaveTheOldOrTheNewResultsFile) {
    CheckEveryKill(RewriteCases()[0], KillMechanism::TimedKills);
}

INSTANTIATE_TEST_SUITE_P(Rewrites, RewriteKill, ::testing::ValuesIn(RewriteCases().begin(), RewriteCases().end()),
                         [](const ::testing::TestParamInfo<RewriteCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
