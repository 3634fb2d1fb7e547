// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
#include "support/FakePlatform.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("eredm.dat");

ResultRecord Result(const char* name, const char* date, int steps = 50) {
    ResultRecord r;
    r.name = QString::fromUtf8(name);
    r.typeCode = QStringLiteral("A");
    r.boardSize = 4;
    r.gapCount = 1;
    r.steps = steps;
    r.elapsed = QStringLiteral("00:01:10");
    r.date = QString::fromLatin1(date);
    r.timeOfDay = QStringLiteral("12:00:00");
    return r;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Names(const QString& path, bool* damaged = nullptr) {
    QStringList names;
    const ResultsScan scan = ReadResultsFile(path, [&](const ResultRecord& r) { names.append(r.name); });
    if (damaged) *damaged = scan.damaged;
    return names;
}

class ResultsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        folder = QDir(m_dir.path());
        path = folder.filePath(kFile);
    }
    void Fill() {
        const char* dates[] = {"2024.01.05", "2024.02.10", "2024.03.15", "2024.04.20", "2024.05.25"};
        const char* names[] = {"Anna", "Béla", "Anna", "Csaba", "Anna"};
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(AppendResult(folder, kFile, Result(names[i], dates[i], 10 * (i + 1)), random),
                      AppendStatus::Appended);
    }

    QTemporaryDir m_dir;
    QDir folder;
    QString path;
    FakeRandom random;
};

} // namespace

TEST_F(ResultsFileTest, OnlyANewFileGetsAHeader) {
    ASSERT_EQ(AppendResult(folder, kFile, Result("Anna", "2024.01.05"), random), AppendStatus::Appended);
    ASSERT_EQ(AppendResult(folder, kFile, Result("Béla", "2024.01.06"), random), AppendStatus::Appended);
    const QByteArray bytes = Contents(path);
    // Header of n bytes (n at its 13th byte), then each record's length at its 3rd byte.
    const int n = static_cast<unsigned char>(bytes[12]);
    const int first = static_cast<unsigned char>(bytes[n + 2]) + 1;
    const int second = static_cast<unsigned char>(bytes[n + first + 2]) + 1;
    EXPECT_EQ(bytes.size(), n + first + second);
    EXPECT_EQ(Names(path), (QStringList{QStringLiteral("Anna"), QStringLiteral("Béla")}));
}

TEST_F(ResultsFileTest, AnUnstorableResultLeavesTheFileUntouched) {
    Fill();
    const QByteArray before = Contents(path);
    EXPECT_EQ(AppendResult(folder, kFile, Result("Anna", "2024.01.05", kMaxStorableCount + 1), random),
              AppendStatus::Unstorable);
    EXPECT_EQ(Contents(path), before);
}

TEST_F(ResultsFileTest, EachRewriteModeKeepsTheOtherRecordsInOrder) {
    const auto isAnna = [](const ResultRecord& r) { return r.name == QLatin1String("Anna"); };
    struct Case {
        const char* what;
        RewriteRequest request;
        QStringList left;
    } cases[] = {
        {"one record", {RewriteMode::DeleteOne, 3, {}, {}}, {"Anna", "Béla", "Csaba", "Anna"}},
        {"filtered", {RewriteMode::DeleteFiltered, 0, isAnna, {}}, {"Béla", "Csaba"}},
        {"filtered up to a date",
         {RewriteMode::DeleteFilteredUpToDate, 0, isAnna, QStringLiteral("2024.03.15")},
         {"Béla", "Csaba", "Anna"}},
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        Fill();
        const RewriteOutcome outcome = RewriteResults(folder, kFile, c.request, random);
        EXPECT_EQ(outcome.status, RewriteStatus::Rewritten) << c.what;
        EXPECT_EQ(outcome.kept, c.left.size()) << c.what;
        bool damaged = true;
        EXPECT_EQ(Names(path, &damaged), c.left) << c.what;
        EXPECT_FALSE(damaged) << c.what;
        EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kFile)))) << c.what;
    }
}

TEST_F(ResultsFileTest, RewrittenRecordsKeepEveryField) {
    ResultRecord stored = Result("Ödön", "2024.01.05");
    stored.storedGameName = QStringLiteral("Csík");
    stored.storedGameNo = 4;
    stored.typeCode = QStringLiteral("T");
    ASSERT_EQ(AppendResult(folder, kFile, Result("Anna", "2024.01.04"), random), AppendStatus::Appended);
    ASSERT_EQ(AppendResult(folder, kFile, stored, random), AppendStatus::Appended);
    ASSERT_EQ(RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 1, {}, {}}, random).status,
              RewriteStatus::Rewritten);
    std::vector<ResultRecord> left;
    ReadResultsFile(path, [&](const ResultRecord& r) { left.push_back(r); });
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], stored);
}

TEST_F(ResultsFileTest, KeepingNoRecordRemovesTheFileAndTheScratchFile) {
    Fill();
    const RewriteOutcome outcome =
        RewriteResults(folder, kFile, {RewriteMode::DeleteFiltered, 0, [](const ResultRecord&) { return true; }, {}},
                       random);
    EXPECT_EQ(outcome.status, RewriteStatus::NoRecordKept);
    EXPECT_EQ(outcome.removed, 5);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kFile))));
}

TEST_F(ResultsFileTest, AFailedRenameLeavesTheOldFileWhole) {
    Fill();
    const QByteArray before = Contents(path);
    QByteArray scratchAtRename;
    const RenameFile failing = [&](const QString& from, const QString&) {
        scratchAtRename = Contents(from);   // the new content is complete before the rename
        return false;
    };
    const RewriteOutcome outcome = RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 2, {}, {}}, random, failing);
    EXPECT_EQ(outcome.status, RewriteStatus::WriteFailed);
    EXPECT_EQ(Contents(path), before);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kFile))));
    QTemporaryDir other;
    QFile::copy(path, other.filePath(kFile));
    QFile scratchCopy(other.filePath(QStringLiteral("scratch.dat")));
    ASSERT_TRUE(scratchCopy.open(QIODevice::WriteOnly));
    scratchCopy.write(scratchAtRename);
    scratchCopy.close();
    EXPECT_EQ(Names(scratchCopy.fileName()).size(), 4);
}

TEST_F(ResultsFileTest, ADamagedFileIsNeverRewritten) {
    Fill();
    QByteArray bytes = Contents(path);
    // The steps byte of the second record ("Béla", 4 characters), which its check guards.
    const int n = static_cast<unsigned char>(bytes[12]);
    const int first = static_cast<unsigned char>(bytes[n + 2]) + 1;
    const int stepsLow = n + first + 36 + 4;
    bytes[stepsLow] = char(bytes[stepsLow] ^ 0x01);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    bool damaged = false;
    EXPECT_EQ(Names(path, &damaged), QStringList{QStringLiteral("Anna")});
    ASSERT_TRUE(damaged);
    const RewriteOutcome outcome = RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 1, {}, {}}, random);
    EXPECT_EQ(outcome.status, RewriteStatus::Damaged);
    EXPECT_EQ(Contents(path), bytes);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kFile))));
}

// The second record reads but cannot be written again (its texts need keys no byte can
// carry), and the file is damaged after it: the damage is what the player is told.
TEST_F(ResultsFileTest, DamageBehindAnUnwritableRecordIsReportedAsDamage) {
    const QByteArray bytes = QByteArray::fromHex(
        "7ab892d0aa83c19bd9b38cca1a7ebc92d3ad87c59e78b690cea717193c8cc0c4d2ccd1ded8e1e2e4eaf0eef4f9fa0107"
        "0a0f1b181d27262b7a0ac9f1fc6cf106b66415041401a602437a7bbcfd59feeb5c93d2134a89c0f0eef46a6566070a0f"
        "1b181d27262b7a0ac9f1fc6cf106b66415041401a602437a7bbcfd59feeb5c93d2134a89c0221a3825595d6b656c7771"
        "757b7d838887420a9aafc1ccca7aa3cecbd566016e02fe2c0580a6dddce1470affffffffffffffffd0da660173030359"
        "05add359cbce00075afcfc8cfe99b6f5326dace3292135699da1afa9adbbb9b9bfc1c7cbcbd1d7d7dde3e6ebf70a9fb4"
        "c6d1cf7fa8d3e329213596cd0e1d152f518589979195a3a2aaa7a9afb5b3b9c2bfc6d0ced3dfdce1ebeaef3f01905501"
        "6b01fc3f40c7cbcbd1d7d7dde3e6ebf7f4f904030896cd0e1d152f518589979195a3a2aaa7a9afb5b3b9c2bfc6d0ce");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::vector<ResultRecord> read;
    ASSERT_TRUE(ReadResultsFile(path, [&](const ResultRecord& r) { read.push_back(r); }).damaged);
    ASSERT_EQ(read.size(), 2u);
    ASSERT_FALSE(CanEncode(read[1]));
    EXPECT_EQ(RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 1, {}, {}}, random).status,
              RewriteStatus::Damaged);
    EXPECT_EQ(Contents(path), bytes);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kFile))));
}

// One or two stray bytes after the last record: every record reads, and a new result
// goes after the last record, the stray bytes into a side file.
TEST_F(ResultsFileTest, StrayBytesAtTheEndCostNoRecord) {
    Fill();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\x01\x02", 2);
    }
    bool damaged = true;
    EXPECT_EQ(Names(path, &damaged).size(), 5);
    EXPECT_FALSE(damaged);

    RepairOutcome repaired;
    ASSERT_EQ(AppendResult(folder, kFile, Result("Dóra", "2024.06.30"), random, &repaired), AppendStatus::Appended);
    EXPECT_EQ(Names(path, &damaged).size(), 6);
    EXPECT_FALSE(damaged);
    EXPECT_EQ(Contents(repaired.sideFile), QByteArray("\x01\x02", 2));

    const RewriteOutcome outcome = RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 2, {}, {}}, random);
    EXPECT_EQ(outcome.status, RewriteStatus::Rewritten);
    EXPECT_EQ(Names(path), (QStringList{"Anna", "Anna", "Csaba", "Anna", QString::fromUtf8("Dóra")}));
}

// A result appended behind damage could never be read: it is refused and the file
// stays as it was.
TEST_F(ResultsFileTest, NothingIsAppendedToADamagedFile) {
    Fill();
    // A whole record after them whose type byte (after its 32 bytes and the name) fails its check.
    ResultsCodec codec(random);
    QByteArray damaged = *codec.EncodeResultRecord(Result("Emil", "2024.06.01"));
    damaged[32 + 4] = char(damaged[32 + 4] ^ 0x01);
    const QByteArray bytes = Contents(path) + damaged;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    RepairOutcome repaired;
    EXPECT_EQ(AppendResult(folder, kFile, Result("Dóra", "2024.06.30"), random, &repaired), AppendStatus::Damaged);
    EXPECT_EQ(repaired.records, 5);
    EXPECT_EQ(Contents(path), bytes);
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{kFile});
}

// A store cut off by a kill or a full disk leaves part of a record, or of a new file's
// header, at the end. The next store moves those bytes into a side file and goes on:
// every record is read, the new one too, and no byte of the old file is lost.
TEST_F(ResultsFileTest, AStoreAfterACutOffEndMovesItAsideFirst) {
    Fill();
    const QByteArray whole = Contents(path);
    FakeRandom other(99);
    ResultsCodec codec(other);
    const QByteArray next = *codec.EncodeResultRecord(Result("Emil", "2024.06.01"));
    const QByteArray header = codec.EncodeResultsHeader();
    struct Case {
        const char* what;
        QByteArray old;
        qsizetype kept;   // bytes the side file must hold
        int records;      // records read afterwards, the new one included
    } cases[] = {
        {"three bytes of a record", whole + next.left(3), 3, 6},
        {"a record without its check bytes", whole + next.left(next.size() - 16), next.size() - 16, 6},
        {"a header cut short", header.left(9), 9, 1},
        {"a header and one byte", header + next.left(1), header.size() + 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& file : folder.entryList(QDir::Files)) folder.remove(file);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.old);
        }
        RepairOutcome repaired;
        ASSERT_EQ(AppendResult(folder, kFile, Result("Dóra", "2024.06.30"), random, &repaired),
                  AppendStatus::Appended);
        EXPECT_EQ(repaired.status, RepairStatus::Repaired);
        const QByteArray kept = Contents(repaired.sideFile);
        EXPECT_EQ(kept.size(), c.kept);
        EXPECT_TRUE(c.old.endsWith(kept));
        bool damaged = true;
        const QStringList names = Names(path, &damaged);
        EXPECT_FALSE(damaged);
        ASSERT_EQ(names.size(), c.records);
        EXPECT_EQ(names.last(), QString::fromUtf8("Dóra"));
        // What stayed of the old file is its start, up to the bytes kept aside.
        if (c.records > 1) {
            EXPECT_TRUE(Contents(path).startsWith(c.old.chopped(kept.size())));
        }
    }
}

// A last record cut inside its trailing filler reads whole; its filler is completed
// before the next record, which would otherwise be read from the wrong place.
TEST_F(ResultsFileTest, AStoreAfterARecordCutInsideItsFillerCompletesIt) {
    Fill();
    const QByteArray whole = Contents(path);
    ResultsCodec codec(random);
    const QByteArray last = *codec.EncodeResultRecord(Result("Emil", "2024.06.01", 7));
    const int filler = 1;   // the least a record has; the check bytes come before it
    const QByteArray cut = whole + last.chopped(filler);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(cut);
    }
    EXPECT_EQ(Names(path).size(), 6);
    RepairOutcome repaired;
    ASSERT_EQ(AppendResult(folder, kFile, Result("Dóra", "2024.06.30"), random, &repaired), AppendStatus::Appended);
    EXPECT_EQ(repaired.fillerAdded, filler);
    EXPECT_TRUE(repaired.sideFile.isEmpty());
    EXPECT_TRUE(Contents(path).startsWith(cut));
    EXPECT_EQ(Names(path).size(), 7);
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{kFile});
}

TEST_F(ResultsFileTest, AMissingFileIsReported) {
    EXPECT_TRUE(ReadResultsFile(path, [](const ResultRecord&) {}).missing);
    EXPECT_EQ(RewriteResults(folder, kFile, {RewriteMode::DeleteOne, 1, {}, {}}, random).status,
              RewriteStatus::Missing);
}
