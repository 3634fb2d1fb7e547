// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A result is stored in one write at the end of the results file; a kill can cut that
// write anywhere, and leave any first part of the new record behind. The next start
// repairs the file: every result stored before reads again, the cut bytes are kept in
// a side file, and the repair itself, killed at any point, loses no byte either.
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
#include "rewrites/KillPoints.h"
#include "rewrites/RewriteCases.h"
#include "support/FakePlatform.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

const QDateTime kNow(QDate(2026, 3, 7), QTime(9, 5, 3));

// Fifty results, and the bytes the store of one more adds to them.
struct Store {
    QByteArray old;
    QByteArray appended;
    qint64 oldRecords = 0;
};

Store LayAStore(const QDir& folder) {
    QList<FixtureResult> records;
    for (int i = 0; i < 50; ++i) records.append({i % 2 ? "Anna" : "Béla", "V", 4, 1, 10 + i});
    const QString path = folder.filePath(kResultsFile);
    WriteResultsFixture(path, records);
    Store store{ContentOf(folder, kResultsFile).value_or(QByteArray()), {}, records.size()};
    FakeRandom random;
    AppendResult(folder, kResultsFile, MakeResult({"Dóra Kiss", "A", 5, 2, 77}), random);
    store.appended = ContentOf(folder, kResultsFile).value_or(QByteArray()).mid(store.old.size());
    return store;
}

// The contents of the side files beside the results file.
QList<QByteArray> SideFiles(const QDir& folder) {
    QList<QByteArray> sides;
    for (const QString& name : folder.entryList({kResultsFile + QStringLiteral(".damaged-*")}, QDir::Files))
        sides << ContentOf(folder, name).value_or(QByteArray());
    return sides;
}

ResultsScan Scan(const QDir& folder) { return ReadResultsFile(folder.filePath(kResultsFile), [](const ResultRecord&) {}); }

TEST(ResultsTailKill, AStoreCutAnywhereIsRepairedAtTheNextStartWithoutLosingAByte) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const Store store = LayAStore(folder);
    ASSERT_GT(store.appended.size(), 40);
    for (qsizetype cut = 1; cut < store.appended.size(); ++cut) {
        SCOPED_TRACE(cut);
        Empty(folder);
        const QByteArray laid = store.old + store.appended.left(cut);
        Put(folder, kResultsFile, laid);
        FakeRandom random;
        const RepairOutcome repaired = RepairResultsTail(folder.filePath(kResultsFile), kNow, random);
        ASSERT_EQ(repaired.status, RepairStatus::Repaired);
        const ResultsScan scan = Scan(folder);
        EXPECT_TRUE(scan.whole());
        const QByteArray now = ContentOf(folder, kResultsFile).value_or(QByteArray());
        if (repaired.sideFile.isEmpty()) {
            // Cut inside its filler: the new result reads, and its filler is complete again.
            EXPECT_EQ(scan.records, store.oldRecords + 1);
            EXPECT_TRUE(now.startsWith(laid));
            EXPECT_EQ(now.size(), store.old.size() + store.appended.size());
        } else {
            EXPECT_EQ(scan.records, store.oldRecords);
            EXPECT_EQ(now, store.old);
            EXPECT_EQ(SideFiles(folder), QList<QByteArray>{store.appended.left(cut)});
        }
    }
}

// The repair killed at every system call: the results file is the cut one or the
// mended one, never anything else; the cut bytes are in a side file before the file
// loses them; and the next start finishes the repair.
TEST(ResultsTailKill, TheRepairKilledAtAnyPointLosesNoByte) {
    QTemporaryDir root;
    const QDir folder(root.path());
    QTemporaryDir storeDir;
    const Store store = LayAStore(QDir(storeDir.path()));
    const QByteArray tail = store.appended.left(store.appended.size() / 2);   // before its check bytes
    const QByteArray laid = store.old + tail;

    KillPointsCase killCase;
    killCase.prepare = [&] {
        Empty(folder);
        Put(folder, kResultsFile, laid);
    };
    killCase.action = [&] {
        FakeRandom random;
        return RepairResultsTail(folder.filePath(kResultsFile), kNow, random).status == RepairStatus::Repaired;
    };
    killCase.inspect = [&](bool) {
        const QByteArray now = ContentOf(folder, kResultsFile).value_or(QByteArray());
        EXPECT_TRUE(now == laid || now == store.old) << "the results file is " << now.size() << " bytes";
        const QList<QByteArray> sides = SideFiles(folder);
        for (const QByteArray& side : sides) EXPECT_TRUE(tail.startsWith(side)) << "a side file holds other bytes";
        if (now == store.old) {
            EXPECT_TRUE(sides.contains(tail)) << "the file was cut before its tail was kept";
        }
        // The next start.
        FakeRandom random;
        RepairResultsTail(folder.filePath(kResultsFile), kNow.addSecs(1), random);
        EXPECT_EQ(ContentOf(folder, kResultsFile).value_or(QByteArray()), store.old);
        EXPECT_TRUE(SideFiles(folder).contains(tail));
        EXPECT_EQ(Scan(folder).records, store.oldRecords);
        EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kResultsFile)))) << "a scratch file was left";
        return !::testing::Test::HasFailure();
    };
    const KillPointsRun run = RunKillPoints(killCase);
    std::cout << "[ kills    ] results repair: " << KillMechanismName(run.mechanism) << ", " << run.kills
              << " kill points\n";
    EXPECT_EQ(run.error, "");
    EXPECT_TRUE(run.finished);
    EXPECT_GT(run.kills, 10);
}

} // namespace
