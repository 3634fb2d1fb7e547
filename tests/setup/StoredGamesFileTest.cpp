// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGamesFile.h"
#include "support/StoredGamesFixture.h"
#include <gtest/gtest.h>

namespace {

QByteArray le16(int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

StoredGameContent content(int n, const QString& name = QStringLiteral("uj"), const QString& start = {}) {
    return {n, name, CyclicMap(n), start};
}

QList<int> serialsOf(const StoredGamesScan& scan) {
    QList<int> serials;
    for (const StoredGame& g : scan.games) serials << g.serial;
    return serials;
}

} // namespace

// One record of each size, byte for byte: the map fills (N+2)² places, the start N²,
// the rest of both is blanks; a game without a start has 64 blanks.
TEST(StoredGameRecord, BytesOfEachSize) {
    for (int n : {4, 5, 6}) {
        SCOPED_TRACE(n);
        const int mapLength = (n + 2) * (n + 2);
        for (bool withStart : {false, true}) {
            const QString start = withStart ? CyclicStart(n) : QString();
            const std::optional<StoredGameRecord> record =
                MakeStoredGameRecord(300 + n, n, QStringLiteral("Kert"), CyclicMap(n), start);
            ASSERT_TRUE(record);
            const QByteArray expected = le16(300 + n) + le16(n) + QByteArray("Kert      ") +
                                        CyclicMap(n).toLatin1() + QByteArray(64 - mapLength, ' ') +
                                        start.toLatin1() + QByteArray(64 - start.size(), ' ');
            ASSERT_EQ(expected.size(), kStoredGameRecordSize);
            EXPECT_EQ(record->toBytes(), expected);
            EXPECT_EQ(StoredGameRecord::fromBytes(expected), *record);

            const std::optional<StoredGame> game = StoredGameOf(*record, 0);
            ASSERT_TRUE(game);
            EXPECT_EQ(game->targetMap, CyclicMap(n));
            EXPECT_EQ(game->shuffle, start);
            EXPECT_EQ(game->hasStart(), withStart);
        }
    }
}

// Names are code page 1250, cut to 10 characters; a character the code page cannot
// hold is no name at all.
TEST(StoredGameRecord, NamesInCodePage1250) {
    const auto record = MakeStoredGameRecord(1, 4, QString::fromUtf8("Őszi kertek!"), CyclicMap(4), {});
    ASSERT_TRUE(record);
    EXPECT_EQ(record->name, QByteArray("\xD5szi kerte"));
    EXPECT_EQ(StoredGameOf(*record, 0)->name, QString::fromUtf8("Őszi kerte"));
    EXPECT_FALSE(MakeStoredGameRecord(1, 4, QString::fromUtf8("Kert \u263A"), CyclicMap(4), {}));
}

// A record the game cannot play is damaged: skipped, counted, never a game.
TEST(StoredGamesFile, DamagedRecordsAreSkippedAndCounted) {
    auto withMap = [](QString map) {
        return MakeStoredGameRecord(9, 4, QStringLiteral("x"), map, {})->toBytes();
    };
    QString badDigit = CyclicMap(4);
    badDigit[14] = QLatin1Char('x');
    QString badCount = CyclicMap(4);
    badCount[7] = QLatin1Char('2');             // colour 1 three times, colour 2 five times
    QString openCorner = CyclicMap(4);
    openCorner[0] = QLatin1Char('0');
    QString openField = CyclicMap(4);
    openField[7] = QLatin1Char('0');
    QByteArray wrongSize = GameRecordBytes(9, 4);
    wrongSize[2] = 7;
    QByteArray serialZero = GameRecordBytes(9, 4);
    serialZero[0] = 0;
    QByteArray negative = GameRecordBytes(9, 4);
    negative[1] = char(0x80);
    QByteArray startCounts = GameRecordBytes(9, 4, "x", CyclicStart(4));
    startCounts[78] = startCounts[79];          // one colour too often in the start
    QByteArray startZero = GameRecordBytes(9, 4, "x", CyclicStart(4));
    startZero[80] = '0';
    struct Case {
        const char* what;
        QByteArray bytes;
        int highestSerial;   // a serial that can be read is never given out again
    };
    const Case cases[] = {{"map digit", withMap(badDigit), 9},   {"map counts", withMap(badCount), 9},
                          {"open corner", withMap(openCorner), 9}, {"open field", withMap(openField), 9},
                          {"size 7", wrongSize, 9},               {"serial 0", serialZero, 2},
                          {"negative serial", negative, 2},       {"start counts", startCounts, 9},
                          {"empty start cell", startZero, 9},
                          {"trailing part", GameRecordBytes(9, 4).left(100), 9},
                          {"serial only", GameRecordBytes(9, 4).left(2), 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoredGamesFolder f;
        f.write(GameRecordBytes(1, 4) + QByteArray(kStoredGameRecordSize, '\0') + GameRecordBytes(2, 4) + c.bytes);
        const StoredGamesScan scan = f.scan();
        EXPECT_EQ(scan.damagedRecords, 1);   // the deleted record is no damage
        EXPECT_EQ(serialsOf(scan), (QList<int>{1, 2}));
        EXPECT_EQ(scan.highestSerial, c.highestSerial);
        EXPECT_EQ(scan.games[1].position, 2);
    }
}

// A name byte that a result cannot carry (0xFF) is no damage: the game is listed and
// can be played; its results write that letter as "?".
TEST(StoredGamesFile, ANameAResultCannotCarryIsStillAGame) {
    QByteArray record = GameRecordBytes(3, 4);
    record[5] = char(0xFF);
    StoredGamesFolder f;
    f.write(record);
    const StoredGamesScan scan = f.scan();
    EXPECT_EQ(scan.damagedRecords, 0);
    ASSERT_EQ(serialsOf(scan), QList<int>{3});
    EXPECT_EQ(scan.games[0].name[1], QChar(0x02D9));
}

// Appending: the first game is 1, each next one the last serial + 1; a serial freed
// in the middle is never given again.
TEST(StoredGamesFile, DeletingKeepsTheOtherRecordsInTheirPlaces) {
    StoredGamesFolder f;
    ASSERT_TRUE(CreateStoredGamesFile(f.folder()));
    EXPECT_EQ(f.bytes(), QByteArray());
    for (int serial : {1, 2, 3}) {
        const StoredGameSaved saved = AppendStoredGame(f.folder(), content(5));
        ASSERT_EQ(saved.outcome, StoredGamesWrite::Written);
        EXPECT_EQ(saved.serial, serial);
    }
    const QByteArray before = f.bytes();
    ASSERT_EQ(before.size(), 3 * kStoredGameRecordSize);

    // The middle one: a record of zero bytes stands in its place.
    EXPECT_EQ(DeleteStoredGame(f.folder(), f.scan().games[1]), StoredGamesWrite::Written);
    QByteArray expected = before;
    expected.replace(kStoredGameRecordSize, kStoredGameRecordSize, QByteArray(kStoredGameRecordSize, '\0'));
    EXPECT_EQ(f.bytes(), expected);
    EXPECT_EQ(f.scan().damagedRecords, 0);
    EXPECT_EQ(AppendStoredGame(f.folder(), content(5)).serial, 4);

    // The last one: the file gets shorter, the zero record before it stays.
    EXPECT_EQ(DeleteStoredGame(f.folder(), f.scan().games.last()), StoredGamesWrite::Written);
    EXPECT_EQ(f.bytes(), expected);
    EXPECT_EQ(DeleteStoredGame(f.folder(), f.scan().games.last()), StoredGamesWrite::Written);
    EXPECT_EQ(f.bytes(), before.left(kStoredGameRecordSize) + QByteArray(kStoredGameRecordSize, '\0'));
    // The last record is a deleted one now: the next serial still follows the games.
    EXPECT_EQ(AppendStoredGame(f.folder(), content(5)).serial, 2);
    EXPECT_EQ(serialsOf(f.scan()), (QList<int>{1, 2}));
}

TEST(StoredGamesFile, DeletingTheOnlyGameLeavesAnEmptyFile) {
    StoredGamesFolder f;
    AppendStoredGame(f.folder(), content(4));
    EXPECT_EQ(DeleteStoredGame(f.folder(), f.scan().games[0]), StoredGamesWrite::Written);
    EXPECT_TRUE(QFile::exists(f.path()));
    EXPECT_EQ(f.bytes(), QByteArray());
    EXPECT_EQ(AppendStoredGame(f.folder(), content(4)).serial, 1);
}

// A changed game is written over its own record and keeps its serial; the records
// around it, damaged ones too, keep their bytes.
TEST(StoredGamesFile, OverwriteInPlace) {
    StoredGamesFolder f;
    QByteArray damaged = GameRecordBytes(7, 4);
    damaged[20] = 'x';
    f.write(GameRecordBytes(1, 4) + GameRecordBytes(2, 6) + damaged);
    const StoredGame game = f.scan().games[1];
    const StoredGameSaved saved =
        OverwriteStoredGame(f.folder(), game, {6, QStringLiteral("uj nev"), CyclicMap(6, {{7, 3}}), CyclicStart(6)});
    ASSERT_EQ(saved.outcome, StoredGamesWrite::Written);
    EXPECT_EQ(saved.serial, 2);
    const QByteArray after = f.bytes();
    EXPECT_EQ(after.left(kStoredGameRecordSize), GameRecordBytes(1, 4));
    EXPECT_EQ(after.mid(2 * kStoredGameRecordSize), damaged);
    const StoredGame changed = f.scan().games[1];
    EXPECT_EQ(changed.serial, 2);
    EXPECT_EQ(changed.name, QStringLiteral("uj nev    "));
    EXPECT_EQ(changed.shuffle, CyclicStart(6));

    // A record that no longer holds the game is not written over.
    f.write(GameRecordBytes(1, 4) + GameRecordBytes(5, 6));
    EXPECT_EQ(OverwriteStoredGame(f.folder(), game, content(6)).outcome, StoredGamesWrite::NotFound);
    EXPECT_EQ(DeleteStoredGame(f.folder(), game), StoredGamesWrite::NotFound);
    EXPECT_EQ(f.bytes(), GameRecordBytes(1, 4) + GameRecordBytes(5, 6));
}

// Damaged records and a trailing part survive every rewrite; a new game after a
// trailing part starts on a whole record.
TEST(StoredGamesFile, RewritesKeepDamagedBytes) {
    StoredGamesFolder f;
    QByteArray damaged = GameRecordBytes(3, 5);
    damaged[3] = 1;   // size 261
    const QByteArray tail("\x07\x00\x04", 3);
    f.write(GameRecordBytes(1, 5) + damaged + GameRecordBytes(2, 5) + tail);
    ASSERT_EQ(f.scan().damagedRecords, 2);

    ASSERT_EQ(DeleteStoredGame(f.folder(), f.scan().games[0]), StoredGamesWrite::Written);
    const QByteArray zeros(kStoredGameRecordSize, '\0');
    EXPECT_EQ(f.bytes(), zeros + damaged + GameRecordBytes(2, 5) + tail);

    // The trailing part's serial (7) can be read, so the new game comes after it.
    const StoredGameSaved saved = AppendStoredGame(f.folder(), content(5));
    EXPECT_EQ(saved.serial, 8);
    const QByteArray padded = tail + QByteArray(kStoredGameRecordSize - tail.size(), ' ');
    EXPECT_EQ(f.bytes().left(4 * kStoredGameRecordSize), zeros + damaged + GameRecordBytes(2, 5) + padded);
    EXPECT_EQ(serialsOf(f.scan()), (QList<int>{2, 8}));
}

// A trailing part that lacks only blanks becomes a game when a new game completes it:
// the new game must not get its serial.
TEST(StoredGamesFile, ANewGameNeverSharesTheSerialOfACompletedTrailingPart) {
    StoredGamesFolder f;
    const QByteArray whole = GameRecordBytes(1, 4);
    f.write(whole.left(whole.size() - 20));   // the start field of a game without one is blank
    ASSERT_TRUE(f.scan().games.isEmpty());

    const StoredGameSaved saved = AppendStoredGame(f.folder(), content(4));
    EXPECT_EQ(saved.serial, 2);
    EXPECT_EQ(serialsOf(f.scan()), (QList<int>{1, 2}));
}

// Serials are signed 16-bit numbers: after 32767 the file takes no new game.
TEST(StoredGamesFile, NoSerialPast32767) {
    StoredGamesFolder f;
    f.write(GameRecordBytes(kMaxStoredGameSerial - 1, 4));
    EXPECT_EQ(AppendStoredGame(f.folder(), content(4)).serial, kMaxStoredGameSerial);
    const QByteArray full = f.bytes();
    const StoredGameSaved refused = AppendStoredGame(f.folder(), content(4));
    EXPECT_EQ(refused.outcome, StoredGamesWrite::FileFull);
    EXPECT_EQ(f.bytes(), full);
}

// A game the game itself could not play again is never written: a start holding
// numbers instead of colours, or a map without each colour N times.
TEST(StoredGamesFile, AnUnplayableGameIsRefusedAndChangesNothing) {
    StoredGamesFolder f;
    f.write(GameRecordBytes(1, 4) + GameRecordBytes(2, 4));
    const QByteArray before = f.bytes();
    QString tooMuchOfOne = CyclicMap(4);
    tooMuchOfOne[tooMuchOfOne.indexOf(QLatin1Char('2'))] = QLatin1Char('1');
    const StoredGameContent unplayable[] = {
        {4, QStringLiteral("szamos"), CyclicMap(4), QStringLiteral("9639578994929991")},
        {4, QStringLiteral("rossz"), tooMuchOfOne, {}},
    };
    for (const StoredGameContent& c : unplayable) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(AppendStoredGame(f.folder(), c).outcome, StoredGamesWrite::WriteFailed);
        EXPECT_EQ(OverwriteStoredGame(f.folder(), f.scan().games[1], c).outcome, StoredGamesWrite::WriteFailed);
        EXPECT_EQ(f.bytes(), before);
        EXPECT_FALSE(QFile::exists(ScratchPathOf(f.folder().filePath(QString::fromLatin1(kStoredGamesFileName)))));
    }
}

// A rename that fails leaves minta.dat whole and no scratch file behind.
TEST(StoredGamesFile, AFailedRenameChangesNothing) {
    StoredGamesFolder f;
    f.write(GameRecordBytes(1, 4) + GameRecordBytes(2, 4));
    const QByteArray before = f.bytes();
    const RenameFile failing = [](const QString&, const QString&) { return false; };
    EXPECT_EQ(DeleteStoredGame(f.folder(), f.scan().games[0], failing), StoredGamesWrite::WriteFailed);
    EXPECT_EQ(AppendStoredGame(f.folder(), content(4), failing).outcome, StoredGamesWrite::WriteFailed);
    EXPECT_EQ(OverwriteStoredGame(f.folder(), f.scan().games[1], content(4), failing).outcome,
              StoredGamesWrite::WriteFailed);
    EXPECT_EQ(f.bytes(), before);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(f.folder().filePath(QString::fromLatin1(kStoredGamesFileName)))));
}

TEST(StoredGamesFile, LookUpsBySerialAndBySize) {
    StoredGamesFolder f;
    f.write(GameRecordBytes(1, 5) + GameRecordBytes(2, 4) + GameRecordBytes(3, 5));
    const StoredGamesScan scan = f.scan();
    EXPECT_EQ(FindStoredGame(scan, 3, 4)->position, 2);   // a serial is found whatever its size
    EXPECT_EQ(FindStoredGame(scan, 0, 5)->serial, 1);
    EXPECT_EQ(FindStoredGame(scan, 4, 5), nullptr);
    EXPECT_EQ(FindStoredGame(scan, 0, 6), nullptr);
    EXPECT_EQ(StoredGamesOfSize(scan, 5).size(), 2);
    EXPECT_FALSE(ReadStoredGames(QDir(f.dir.filePath("missing"))));
}
