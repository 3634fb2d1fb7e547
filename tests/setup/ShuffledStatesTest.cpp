// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/ShuffleFixture.h"
#include "play/TileGeometry.h"
#include "setup/Arrangement.h"
#include <random>

namespace {

QByteArray markerDigits(const GameState& s) {
    QByteArray digits;
    for (int i = 1; i <= s.N(); ++i) digits.append(static_cast<char>('0' + s.rowColours[i]));
    for (int j = 1; j <= s.N(); ++j) digits.append(static_cast<char>('0' + s.colColours[j]));
    return digits;
}

std::vector<int> ranksOf(const QByteArray& recordBytes, int n) {
    std::vector<int> ranks;
    for (int p = 0; p < n * n; ++p) ranks.push_back(static_cast<unsigned char>(recordBytes[4 + p]));
    return ranks;
}

QList<int> idsOf(const QList<ShuffledStateEntry>& entries) {
    QList<int> ids;
    for (const ShuffledStateEntry& e : entries) ids.append(e.id);
    return ids;
}

struct TilePlace {
    int left, top;
    friend bool operator==(const TilePlace&, const TilePlace&) = default;
};

std::vector<TilePlace> tilePlaces(const GameState& s) {
    std::vector<TilePlace> places;
    for (int k = 1; k <= s.controls.tileCount(); ++k)
        places.push_back({s.controls.tiles[k].left, s.controls.tiles[k].top});
    return places;
}

} // namespace

TEST_F(ShuffleTest, NumberBoardRecordIsRanksThenMarkerDigitsThenBlanks) {
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    const QByteArray bytes = MakeShuffledStateRecord(s, fp.random, 258).toBytes();

    ASSERT_EQ(bytes.size(), 52);
    EXPECT_EQ(bytes.left(4), QByteArray("\x02\x01\x04\x00", 4)); // id 258, size 4, little-endian
    const std::vector<int> values = FieldValues(s);
    EXPECT_EQ(ranksOf(bytes, 4), values); // a number is its own rank
    EXPECT_EQ(bytes.mid(20, 8), markerDigits(s));
    EXPECT_EQ(bytes.mid(28), QByteArray(24, ' '));
}

TEST_F(ShuffleTest, SixBySixRecordFillsTheCellsField) {
    BuildTestBoard(s, fp, 6, BoardType::RandomColours);
    const QByteArray bytes = MakeShuffledStateRecord(s, fp.random, 1).toBytes();

    ASSERT_EQ(bytes.size(), 52);
    EXPECT_EQ(bytes.mid(40), markerDigits(s)); // the last 12 bytes, no blank left
    std::vector<int> ranks = ranksOf(bytes, 6);
    std::sort(ranks.begin(), ranks.end());
    for (int r = 1; r <= 36; ++r) EXPECT_EQ(ranks[r - 1], r);
}

TEST_F(ShuffleTest, RecordBytesRoundTripAndShortInputReadsAsBlanks) {
    const ShuffledStateRecord r = PlainRecord(-2, 5);
    const ShuffledStateRecord back = ShuffledStateRecord::fromBytes(r.toBytes());
    EXPECT_EQ(back.id, -2);
    EXPECT_EQ(back.size, 5);
    EXPECT_EQ(back.cells, r.cells);

    const ShuffledStateRecord shortOne = ShuffledStateRecord::fromBytes(QByteArray("\x03\x00", 2));
    EXPECT_EQ(shortOne.id, 3);
    EXPECT_EQ(shortOne.size, 0x2020);
    EXPECT_EQ(shortOne.cells, QByteArray(48, ' '));
}

// Tiles of one colour share their colour's block of ranks; the random part only
// orders them, and on equal keys the first cell in row order ranks highest.
TEST_F(ShuffleTest, ColourRanksFollowValuesAndTiesFollowTheRandomPart) {
    BuildTestBoard(s, fp, 5, BoardType::RandomColours);
    const std::vector<int> values = FieldValues(s);

    fp.random.script.assign(25, 0.0);
    const std::vector<int> equalKeys = ranksOf(MakeShuffledStateRecord(s, fp.random, 1).toBytes(), 5);
    for (int p = 0; p < 25; ++p) fp.random.script.push_back(p / 100.0);
    const std::vector<int> risingKeys = ranksOf(MakeShuffledStateRecord(s, fp.random, 1).toBytes(), 5);

    for (int v = 1; v <= 5; ++v) {
        std::vector<int> equalOrder, risingOrder;
        for (int p = 0; p < 25; ++p) {
            if (values[p] != v) continue;
            EXPECT_EQ((equalKeys[p] - 1) / 5 + 1, v);
            EXPECT_EQ((risingKeys[p] - 1) / 5 + 1, v);
            equalOrder.push_back(equalKeys[p]);
            risingOrder.push_back(risingKeys[p]);
        }
        EXPECT_TRUE(std::is_sorted(equalOrder.rbegin(), equalOrder.rend())) << "colour " << v;
        EXPECT_TRUE(std::is_sorted(risingOrder.begin(), risingOrder.end())) << "colour " << v;
    }
}

TEST_F(ShuffleTest, FirstSavedStateGetsIdOneInAMissingOrEmptyFile) {
    for (bool emptyFileExists : {false, true}) {
        SCOPED_TRACE(emptyFileExists ? "empty file" : "no file");
        QFile::remove(path());
        if (emptyFileExists) writeFile({});
        fp.messageBox.shown.clear();
        BuildTestBoard(s, fp, 4, BoardType::Numbers);

        ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));
        ASSERT_EQ(fp.messageBox.shown.size(), 1u);
        EXPECT_EQ(fp.messageBox.shown[0].messageNo, 49);
        EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Information);
        EXPECT_EQ(fp.messageBox.shown[0].text, QStringLiteral("msg49 1"));

        ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));
        EXPECT_TRUE(fp.messageBox.shown[1].text.endsWith(QStringLiteral(" 2")));
        EXPECT_EQ(fileBytes().size(), 104);
        EXPECT_EQ(idsOf(listed(4)), (QList<int>{1, 2}));
    }
}

struct RoundTripCase {
    BoardType type;
    int n;
    bool rowsRestored;
    bool colsRestored;
};

class ShuffleRoundTrip : public ShuffleTest, public ::testing::WithParamInterface<RoundTripCase> {};

// Saving, reshuffling and loading gives the saved values back in the same cells,
// with the tiles where they were; marker colours come back as the type uses them.
TEST_P(ShuffleRoundTrip, LoadRestoresValuesLooksAndTheMarkersTheTypeUses) {
    const RoundTripCase c = GetParam();
    BuildTestBoard(s, fp, c.n, c.type);
    const std::vector<int> savedValues = FieldValues(s);
    const std::vector<int> savedRows = s.rowColours;
    const std::vector<int> savedCols = s.colColours;
    ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));

    NewArrangement(s, fp.random);
    for (int i = 1; i <= c.n; ++i) {   // markers moved on by one colour
        s.rowColours[i] = s.controls.rowMarkers[i].colourIndex = savedRows[i % c.n + 1];
        s.colColours[i] = s.controls.colMarkers[i].colourIndex = savedCols[i % c.n + 1];
    }
    const std::vector<int> shiftedRows = s.rowColours;
    const std::vector<int> shiftedCols = s.colColours;
    const std::vector<TilePlace> places = tilePlaces(s);

    const QList<ShuffledStateEntry> entries = listed(c.n);
    ASSERT_EQ(entries.size(), 1);
    ASSERT_TRUE(LoadShuffledState(s, entries[0]));

    EXPECT_EQ(FieldValues(s), savedValues);
    EXPECT_EQ(tilePlaces(s), places);
    for (int p = 1; p <= c.n * c.n; ++p) {
        const Cell cell = s.board.fieldCell(p);
        const int k = s.board.ctl(cell);
        const int value = s.board.value(cell);
        if (c.type == BoardType::Numbers) {
            EXPECT_EQ(s.controls.numberLabels[k].caption, QString::number(value));
            EXPECT_EQ(s.controls.numberLabels[k].left, labelLeftAt(s, cell.col, value));
        } else {
            EXPECT_EQ(s.controls.tiles[k].colourIndex, value);
        }
    }
    EXPECT_EQ(s.rowColours, c.rowsRestored ? savedRows : shiftedRows);
    EXPECT_EQ(s.colColours, c.colsRestored ? savedCols : shiftedCols);
    for (int i = 1; i <= c.n; ++i) {
        EXPECT_EQ(s.controls.rowMarkers[i].colourIndex, s.rowColours[i]) << i;
        EXPECT_EQ(s.controls.colMarkers[i].colourIndex, s.colColours[i]) << i;
    }
    EXPECT_EQ(s.shuffleNo, 1);
    EXPECT_TRUE(s.panel.kvall.visible);
    EXPECT_EQ(s.panel.kvall.caption, QStringLiteral("K:1"));
}

INSTANTIATE_TEST_SUITE_P(Types, ShuffleRoundTrip,
                         ::testing::Values(RoundTripCase{BoardType::Numbers, 4, false, false},
                                           RoundTripCase{BoardType::Diagonal, 5, true, false},
                                           RoundTripCase{BoardType::RandomColours, 6, true, true},
                                           RoundTripCase{BoardType::Stored, 5, false, false}));

TEST_F(ShuffleTest, AColourBoardSavedTwiceLoadsToTheSameColoursFromDifferentRanks) {
    BuildTestBoard(s, fp, 5, BoardType::RandomColours);
    const std::vector<int> savedValues = FieldValues(s);
    fp.random.script.assign(25, 0.0);
    ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));
    for (int p = 0; p < 25; ++p) fp.random.script.push_back(p / 100.0);
    ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));

    const QList<ShuffledStateEntry> entries = listed(5);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_NE(entries[0].cells, entries[1].cells);
    for (const ShuffledStateEntry& e : entries) {
        NewArrangement(s, fp.random);
        ASSERT_TRUE(LoadShuffledState(s, e));
        EXPECT_EQ(FieldValues(s), savedValues) << "id " << e.id;
    }
}

// A damaged record is skipped; the records around it still list and load, and a
// trailing partial record is read as padded with blanks.
TEST_F(ShuffleTest, DamagedRecordsAreSkippedAndTheRestStillWork) {
    auto damaged = [](int id, int size, auto damage) {
        ShuffledStateRecord r = PlainRecord(id, 5);
        r.size = static_cast<qint16>(size);
        damage(r.cells);
        return r;
    };
    auto keep = [](QByteArray&) {};
    const QList<ShuffledStateRecord> records{
        PlainRecord(1, 5),
        damaged(2, 7, keep),                                     // no such board size
        damaged(3, 5, [](QByteArray& c) { c[2] = 0; }),          // rank below 1
        damaged(4, 5, [](QByteArray& c) { c[2] = 26; }),         // rank above N²
        damaged(5, 5, [](QByteArray& c) { c[1] = c[0]; }),       // rank twice
        damaged(6, 5, [](QByteArray& c) { c[25] = '6'; }),       // row colour above N
        damaged(7, 5, [](QByteArray& c) { c[31] = c[30]; }),     // column colour twice
        damaged(-1, 5, keep),                                    // id below 1
        PlainRecord(9, 5),
    };
    const QByteArray partial = PlainRecord(10, 4).toBytes().left(30); // whole 4 x 4 state
    writeRecords(records, partial);

    EXPECT_EQ(idsOf(listed(5)), (QList<int>{1, 9}));
    EXPECT_EQ(idsOf(listed(4)), (QList<int>{10}));
    EXPECT_TRUE(listed(6).isEmpty());

    BuildTestBoard(s, fp, 5, BoardType::RandomColours);
    ASSERT_TRUE(LoadShuffledState(s, listed(5)[1]));
    EXPECT_EQ(s.shuffleNo, 9);

    // The next state follows the partial record, which keeps its bytes.
    const QByteArray before = fileBytes();
    ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 0));
    EXPECT_TRUE(fp.messageBox.shown.back().text.endsWith(QStringLiteral(" 11")));
    const QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), 11 * 52);
    EXPECT_EQ(after.left(before.size()), before);
    EXPECT_EQ(after.mid(before.size(), 10 * 52 - before.size()), QByteArray(22, ' '));
    EXPECT_EQ(idsOf(listed(5)), (QList<int>{1, 9, 11}));
    EXPECT_EQ(idsOf(listed(4)), (QList<int>{10}));
}

TEST_F(ShuffleTest, LoadingADamagedOrForeignStateChangesNothing) {
    BuildTestBoard(s, fp, 5, BoardType::RandomColours);
    const std::vector<int> values = FieldValues(s);
    QByteArray badRank = PlainCells(5);
    badRank[0] = 30;
    for (const ShuffledStateEntry& e : {ShuffledStateEntry{3, PlainCells(4)},
                                        ShuffledStateEntry{3, badRank},
                                        ShuffledStateEntry{3, PlainCells(5).left(20)},
                                        ShuffledStateEntry{0, PlainCells(5)}}) {
        EXPECT_FALSE(LoadShuffledState(s, e));
        EXPECT_EQ(FieldValues(s), values);
        EXPECT_EQ(s.shuffleNo, 0);
        EXPECT_FALSE(s.panel.kvall.visible);
    }
}

TEST_F(ShuffleTest, GarbageFilesNeverListAnUnsoundState) {
    std::mt19937 engine(7);
    for (int length : {0, 1, 3, 51, 52, 53, 104, 200, 521}) {
        QByteArray bytes(length, '\0');
        for (char& b : bytes) b = static_cast<char>(engine() % 8 == 0 ? engine() % 40 : engine());
        for (int n : {4, 5, 6})
            for (const ShuffledStateEntry& e : ShuffledStatesOfSize(bytes, n))
                EXPECT_TRUE(ParseShuffledCells(e.cells, n).has_value());
    }
}

// Ids are 16-bit: once 32767 is taken (or 32767 records fill the file), a new state
// is refused with a message instead of wrapping to a negative id.
TEST_F(ShuffleTest, TheStateAfterId32767IsRefused) {
    struct Case {
        const char* name;
        QByteArray file;
        bool saved;
    };
    const Case cases[] = {
        {"last id 32766", PlainRecord(32766, 4).toBytes(), true},
        {"last id 32767", PlainRecord(32767, 4).toBytes(), false},
        {"32767 records", QByteArray(32767 * 52, '\0'), false},
    };
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.file);
        fp.messageBox.shown.clear();
        EXPECT_EQ(SaveShuffledState(s, fp.platform, folder, 0), c.saved);
        ASSERT_EQ(fp.messageBox.shown.size(), 1u);
        if (c.saved) {
            EXPECT_EQ(fp.messageBox.shown[0].text, QStringLiteral("msg49 32767"));
            EXPECT_EQ(ShuffledStateRecord::fromBytes(fileBytes().mid(52)).id, 32767);
        } else {
            EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
            EXPECT_EQ(fp.messageBox.shown[0].text, ShuffledStatesFullText(s.texts));
            EXPECT_EQ(fileBytes(), c.file);
        }
    }
}

TEST_F(ShuffleTest, OverwritingAStateThatIsGoneWritesNothing) {
    writeRecords({PlainRecord(1, 4)});
    BuildTestBoard(s, fp, 4, BoardType::Numbers);
    const QByteArray before = fileBytes();
    EXPECT_FALSE(SaveShuffledState(s, fp.platform, folder, 5));
    EXPECT_EQ(fileBytes(), before);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_NE(fp.messageBox.shown[0].messageNo, 49);
}

// The chooser lists the states of the board's size; a file put together from several
// may hold the same id at another size too, and that state must not be the one replaced.
TEST_F(ShuffleTest, OverwritingReplacesTheStateOfTheBoardsSizeNotAnotherWithItsId) {
    const ShuffledStateRecord other = PlainRecord(5, 4);
    writeRecords({other, PlainRecord(5, 5)});
    BuildTestBoard(s, fp, 5, BoardType::Numbers);
    ASSERT_TRUE(SaveShuffledState(s, fp.platform, folder, 5));
    const QByteArray after = fileBytes();
    ASSERT_EQ(after.size(), 2 * 52);
    EXPECT_EQ(after.left(52), other.toBytes());
    EXPECT_EQ(ShuffledStateRecord::fromBytes(after.mid(52)).size, 5);
    EXPECT_EQ(idsOf(listed(4)), (QList<int>{5}));
}
