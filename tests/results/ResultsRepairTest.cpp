// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The repairs of a results file never lose a byte: what leaves the file is in a side
// file, and a file that needs no repair, or must not be repaired unasked, stays as it is.
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
#include "support/FakePlatform.h"
#include "support/IndependentResultsFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 3, 7), QTime(9, 5, 3));

// The type byte of the second record changed: records 2 to 4 can no longer be read.
QByteArray DamagedInTheSecondRecord() {
    QByteArray bytes = IndependentResultsFile();
    const int first = 20 + static_cast<unsigned char>(bytes[20 + 2]) + 1;
    bytes[first + 32 + 4] = char(bytes[first + 32 + 4] ^ 0x01);   // "anna": 4 letters
    return bytes;
}

class ResultsRepairTest : public ::testing::Test {
protected:
    void Lay(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Contents(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Files() const { return folder.entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QDir folder{dir.path()};
    QString path = folder.filePath(kResultsFile);
    FakeRandom random;
};

TEST_F(ResultsRepairTest, AWholeFileAndOneDamagedBeforeItsEndAreLeftAsTheyAre) {
    for (const QByteArray& bytes : {IndependentResultsFile(), DamagedInTheSecondRecord()}) {
        Lay(bytes);
        const RepairOutcome outcome = RepairResultsTail(path, kNow, random);
        EXPECT_EQ(outcome.status, bytes == IndependentResultsFile() ? RepairStatus::Whole : RepairStatus::NotRepairable);
        EXPECT_EQ(Contents(path), bytes);
        EXPECT_EQ(Files(), QStringList{kResultsFile});
    }
}

TEST_F(ResultsRepairTest, KeepingTheReadableRecordsMovesEveryByteAfterThemAside) {
    const QByteArray bytes = DamagedInTheSecondRecord();
    Lay(bytes);
    const RepairOutcome outcome = SplitDamagedResults(path, kNow);
    ASSERT_EQ(outcome.status, RepairStatus::Repaired);
    EXPECT_EQ(outcome.records, 1);
    EXPECT_EQ(outcome.sideFile, path + QStringLiteral(".damaged-20260307-090503"));
    EXPECT_EQ(Contents(path) + Contents(outcome.sideFile), bytes);
    EXPECT_TRUE(ReadResultsFile(path, [](const ResultRecord&) {}).whole());
    // Nothing left to keep aside: a second split changes nothing.
    EXPECT_EQ(SplitDamagedResults(path, kNow).status, RepairStatus::Whole);
    EXPECT_EQ(Files().size(), 2);
}

// Damage in the first record leaves no record to keep: the whole file goes aside,
// header and all, and the next result starts a new file.
TEST_F(ResultsRepairTest, AFileWithoutAWholeRecordGoesAsideWhole) {
    QByteArray bytes = IndependentResultsFile();
    bytes[20 + 32 + 12] = char(bytes[20 + 32 + 12] ^ 0x01);
    Lay(bytes);
    const RepairOutcome outcome = SplitDamagedResults(path, kNow);
    ASSERT_EQ(outcome.status, RepairStatus::Repaired);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(Contents(outcome.sideFile), bytes);
}

} // namespace
