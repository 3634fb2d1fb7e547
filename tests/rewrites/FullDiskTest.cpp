// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every writer of a player's data file on a disk that is full: the write fails, the
// old file stays whole byte for byte, the player hears of it, and no scratch or side
// file is left behind. A writer whose new content fits the room left (an append into
// the last page of its file) may succeed; then the file is exactly what it is after a
// run on an empty disk.
#include "play/GameState.h"
#include "results/ResultStore.h"
#include "results/ResultsFile.h"
#include "rewrites/RewriteCases.h"
#include "support/FakePlatform.h"
#include "support/FullDisk.h"
#include "support/ResultsFixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>

namespace {

void SayHowTheDiskIsFull(const FullDisk& disk) {
    if (!disk.real()) std::cout << "[ skipped  ] " << disk.skipped() << '\n';
}

class FullDiskRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(FullDiskRewrite, LeavesTheOldFileWholeAndNothingBehind) {
    const RewriteCase& c = GetParam();
    QTemporaryDir roomy;
    const QDir reference(roomy.path());
    c.lay(reference);
    ASSERT_TRUE(c.rewrite(reference)) << "the rewrite does not do its work on an empty disk";
    const Content written = ContentOf(reference, c.dataFile);

    FullDisk disk;
    SayHowTheDiskIsFull(disk);
    const QDir folder = disk.folder();
    c.lay(folder);
    const Content old = ContentOf(folder, c.dataFile);
    const QStringList before = Listing(folder);
    const bool done = disk.WhileFull([&] { return c.rewrite(folder); }, c.inPlace ? c.dataFile : QString());
    disk.Empty();
    const Content now = ContentOf(folder, c.dataFile);
    if (done) {
        EXPECT_FALSE(c.needsRoom && !c.inPlace) << "a write through a scratch file succeeded on a full disk";
        EXPECT_TRUE(now == written) << "the file is " << Describe(now) << ", not " << Versus(now, written);
        EXPECT_EQ(Listing(folder), Listing(reference));
    } else {
        EXPECT_TRUE(now == old) << "a failed write left " << Describe(now) << ", not " << Versus(now, old);
        EXPECT_EQ(Listing(folder), before) << "a failed write left files behind";
    }
    if (!c.needsRoom) {
        EXPECT_TRUE(done) << "removing files needs no room";
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDiskRewrite, ::testing::ValuesIn(RewriteCases().begin(), RewriteCases().end()),
                         [](const ::testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

// A result stored as the disk fills: the record goes out in part, the file is cut back
// to its old length, and the player is told the result is not stored. The next store,
// with room again, goes after the old records.
TEST(FullDisk, AResultStoredAsTheDiskFillsLeavesNoPartOfItsRecord) {
    FullDisk disk;
    SayHowTheDiskIsFull(disk);
    const QDir folder = disk.folder();
    const QString path = folder.filePath(kResultsFile);
    // Results until the last page of the file has less room than a record needs.
    QList<FixtureResult> records;
    qint64 slack = 0;
    do {
        records.append({"Anna"});
        ASSERT_TRUE(WriteResultsFixture(path, records));
        const qint64 size = QFileInfo(path).size();
        slack = (FullDisk::kPage - size % FullDisk::kPage) % FullDisk::kPage;
    } while (slack < 8 || slack > 40);
    const Content old = ContentOf(folder, kResultsFile);

    GameState state;
    state.board.resize(4);
    state.panel.generalt.checked = true;
    state.panel.neve.caption = QStringLiteral("Béla Kovács");
    FakePlatform fp;
    ResultStore store(state, fp.platform, folder);
    const StoreOutcome outcome = disk.WhileFull([&] { return store.ment_Click({0, 1, 5}); }, kResultsFile);
    disk.Empty();
    EXPECT_EQ(outcome, StoreOutcome::WriteFailed);
    EXPECT_TRUE(ContentOf(folder, kResultsFile) == old);
    EXPECT_EQ(Listing(folder), QStringList{kResultsFile});
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fp.messageBox.shown[0].text.contains(kResultsFile));

    EXPECT_EQ(store.ment_Click({0, 1, 5}), StoreOutcome::Stored);
    QStringList names;
    const ResultsScan scan = ReadResultsFile(path, [&](const ResultRecord& r) { names << r.name; });
    EXPECT_TRUE(scan.whole());
    EXPECT_EQ(names.size(), records.size() + 1);
    EXPECT_EQ(names.last(), QStringLiteral("Béla Kovács"));
}

} // namespace
