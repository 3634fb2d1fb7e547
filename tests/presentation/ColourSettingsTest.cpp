// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/ColourSettings.h"
#include "BoardFixture.h"
#include "presentation/ColourValue.h"
#include "presentation/SettingsFile.h"
#include "setup/GameTypes.h"
#include "setup/StoredGames.h"
#include "support/StoredGamesFixture.h"
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Type = BoardFixture::Type;

namespace {

QByteArray readParam(const QDir& dir) {
    QFile f(dir.filePath("param.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeParam(const QDir& dir, const QByteArray& bytes) {
    QFile f(dir.filePath("param.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Seven colours that are none of the defaults, colour n at n (index 0 unused).
std::array<quint32, 8> newColours() {
    std::array<quint32, 8> c{};
    for (int i = 1; i <= 7; ++i)
        c[i] = Rgb(10 * i, 20 * i, 30 * i);
    return c;
}

} // namespace

TEST(ColourDialogGeometry, AClickInTheSlotFrameSelectsTheSlotOfItsBand) {
    const struct {
        int y;
        int slot;
    } cases[] = {{0, 0},    {369, 0},  {370, 0},  {719, 0},  {720, 1},   {1199, 1},
                 {1200, 2}, {3119, 5}, {3120, 6}, {3600, 6}, {99999, 6}, {-40, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(SlotUnderClick(c.y), c.slot) << "y = " << c.y;
}

TEST(ColourDialogGeometry, ThePaletteRunsFromWhiteToBlackBlueFastest) {
    EXPECT_EQ(PaletteColour(0), Rgb(255, 255, 255));
    EXPECT_EQ(PaletteColour(1), Rgb(255, 255, 170));
    EXPECT_EQ(PaletteColour(3), Rgb(255, 255, 0));
    EXPECT_EQ(PaletteColour(4), Rgb(255, 170, 255));
    EXPECT_EQ(PaletteColour(16), Rgb(170, 255, 255));
    EXPECT_EQ(PaletteColour(63), Rgb(0, 0, 0));
    QSet<quint32> distinct;
    for (int n = 0; n < kPaletteSize; ++n)
        distinct.insert(PaletteColour(n));
    EXPECT_EQ(distinct.size(), kPaletteSize);

    // Swatch n lies where a click finds it again: four across, 340 x 190 twips apart.
    EXPECT_EQ(SwatchRect(5), QRect(340, 190, 360, 190));
    for (int n = 0; n < kPaletteSize; ++n) {
        const QRect r = SwatchRect(n);
        EXPECT_EQ(SwatchUnderClick(r.left() + 10, r.top() + 10), n);
    }
    const struct {
        int x, y, swatch;
    } cases[] = {{339, 189, 0}, {340, 0, 1},   {0, 190, 4}, {1359, 3039, 63},
                 {1360, 0, -1}, {0, 3040, -1}, {-1, 0, -1}, {0, -1, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(SwatchUnderClick(c.x, c.y), c.swatch) << c.x << ", " << c.y;
}

TEST(ColourDialogGeometry, ColourValuesSplitRedFirst) {
    EXPECT_EQ(SplitColour(0x00FF9655), (ColourParts{0x55, 0x96, 0xFF}));
    EXPECT_EQ(Rgb(0x55, 0x96, 0xFF), 0x00FF9655u);
    EXPECT_EQ(SplitColour(kSysButtonFace), (ColourParts{0x0F, 0, 0})); // the top byte is no part
    EXPECT_EQ(Rgb(300, -5, 7), Rgb(255, 0, 7));
}

TEST(ColourDialogGeometry, EnterMakesANumberOf0To255OfAnyText) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0},   {"   ", 0},   {"0", 0},     {"57", 57},   {" 57 ", 57},
                 {"+7", 7}, {"255", 255}, {"256", 255}, {"300", 255}, {"99999999999999999999", 255},
                 {"-5", 0}, {"abc", 0},   {"12abc", 0}, {"1.5", 0},   {"+", 0},
                 {"٣", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ValueBoxNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

namespace {

struct DialogFixture {
    explicit DialogFixture(Type type = Type::RandomColours) : board(type, 4) {
        board.s.look3D = false;
        board.s.texts.messages[34] = QStringLiteral("Szín");
        board.s.texts.messages[35] = QStringLiteral("Fal színe");
        logic.Form_Load();
    }
    GameState& s() { return board.s; }
    ColourDialogControls& c() { return logic.controls(); }

    QTemporaryDir dir;
    QDir folder{dir.path()};
    BoardFixture board;
    ColourSettings logic{board.s, folder};
};

} // namespace

TEST(ColourSettings, OpensWithTheColourTableAndTheFirstSlot) {
    DialogFixture f;
    const ColourDialogControls& c = f.c();
    EXPECT_EQ(c.szr[0].caption, QStringLiteral("Szín 1"));
    EXPECT_EQ(c.szr[5].caption, QStringLiteral("Szín 6"));
    EXPECT_EQ(c.szr[6].caption, QStringLiteral("Fal színe"));
    EXPECT_FALSE(c.Frame2.visible);
    for (int i = 0; i < kColourSlotCount; ++i)
        EXPECT_EQ(c.szg[i], f.s().tileColours[i + 1]);
    EXPECT_TRUE(c.szr[0].checked);
    const ColourParts first = SplitColour(f.s().tileColours[1]);
    EXPECT_EQ(c.scroll[1], first.red);
    EXPECT_EQ(c.scroll[3], first.blue);
    EXPECT_EQ(c.sz_ert[2].caption, QString::number(first.green));
}

TEST(ColourSettings, SliderSwatchAndSlotChangesStayInTheSamples) {
    DialogFixture f;
    ColourDialogControls& c = f.c();
    const auto before = f.s().tileColours;

    f.logic.Frame1_MouseDown(5000); // far below the last button: the walls
    EXPECT_EQ(c.slot, kWallSlot);
    EXPECT_TRUE(c.szr[kWallSlot].checked && !c.szr[0].checked);
    EXPECT_EQ(c.focusRequest, QStringLiteral("szr6"));

    f.logic.paletta_Click();
    EXPECT_TRUE(c.Frame2.visible);
    f.logic.Frame2_MouseDown(1100, 3000); // the last swatch: black
    EXPECT_EQ(c.szg[kWallSlot], 0u);
    EXPECT_EQ(c.scroll[1] + c.scroll[2] + c.scroll[3], 0);
    EXPECT_EQ(c.sz_ert[1].caption, QStringLiteral("0"));
    EXPECT_TRUE(c.Frame2.visible); // the palette stays open for more picks

    f.logic.scroll_Change(2, 200);
    EXPECT_EQ(c.szg[kWallSlot], Rgb(0, 200, 0));
    EXPECT_EQ(c.sz_ert[2].caption, QStringLiteral("200"));

    // Another slot shows its own colour; the changed one keeps its sample.
    f.logic.szr_Click(1);
    EXPECT_EQ(c.szg[kWallSlot], Rgb(0, 200, 0));
    EXPECT_EQ(Rgb(c.scroll[1], c.scroll[2], c.scroll[3]), f.s().tileColours[2]);
    f.logic.Form_Click();
    EXPECT_FALSE(c.Frame2.visible);
    EXPECT_EQ(f.s().tileColours, before); // nothing leaves the dialog before OK
}

TEST(ColourSettings, EnterInAValueBoxTakesItsValueAndMovesOn) {
    DialogFixture f;
    ColourDialogControls& c = f.c();
    const struct {
        int box;
        const char* typed;
        int value;
        const char* next;
    } cases[] = {{1, "12", 12, "sz_ert2"},
                 {2, "abc", 0, "sz_ert3"},
                 {3, "-40", 0, "sz_ert1"},
                 {1, "", 0, "sz_ert2"},
                 {2, "300", 255, "sz_ert3"}};
    for (const auto& k : cases) {
        c.sz_ert[k.box].caption = QString::fromUtf8(k.typed);
        f.logic.sz_ert_KeyPress(k.box, 65); // any other key does nothing
        EXPECT_EQ(c.sz_ert[k.box].caption, QString::fromUtf8(k.typed));
        f.logic.sz_ert_KeyPress(k.box, 13);
        EXPECT_EQ(c.sz_ert[k.box].caption, QString::number(k.value)) << k.typed;
        EXPECT_EQ(c.scroll[k.box], k.value) << k.typed;
        EXPECT_EQ(SplitColour(c.szg[0]).red, c.scroll[1]);
        EXPECT_EQ(c.focusRequest, QString::fromLatin1(k.next));
    }
    EXPECT_EQ(c.szg[0], Rgb(0, 255, 0));
}

TEST(ColourSettings, OkInTheNumberTypeKeepsEveryTileInTheOneColour) {
    DialogFixture f(Type::Numbers);
    f.s().numberTileColour = 3;
    f.logic.szr_Click(2);
    f.logic.Frame2_MouseDown(0, 0);
    ASSERT_TRUE(f.logic.rendben_Click());
    EXPECT_EQ(f.s().tileColours[3], Rgb(255, 255, 255));
    for (int k = 1; k <= f.s().controls.tileCount(); ++k)
        EXPECT_EQ(f.s().controls.tiles[k].colourIndex, 3) << "tile " << k;
}

// A stored game's open ring cells are drawn in the wall colour once its game has
// started; a new wall colour reaches them as it reaches the other ring cells.
TEST(ColourSettings, OkRecoloursTheOpenCellsOfAStoredGamesMap) {
    DialogFixture f(Type::Stored);
    f.board.flow.chooseStoredGame = [&f] {
        CopyTargetMap(f.s(), CyclicMap(4, {{0, 1}, {0, 2}}));
        return GameFlow::StoredChoice::Ready;
    };
    f.board.flow.kezd_Click();
    ASSERT_TRUE(f.s().gameRunning);
    const quint32 oldWall = f.s().tileColours[7];
    ASSERT_EQ(f.s().targetMap.shapeAt(0, 1)->fillColour, oldWall);
    f.logic.Frame1_MouseDown(3300); // the walls, on the sample square
    f.logic.scroll_Change(3, 99);
    ASSERT_TRUE(f.logic.rendben_Click());
    const quint32 wall = f.s().tileColours[7];
    ASSERT_NE(wall, oldWall);
    for (int col = 0; col <= 5; ++col) EXPECT_EQ(f.s().targetMap.shapeAt(0, col)->fillColour, wall) << col;
}

TEST(ColourSettings, OkGivesTheColoursToTheTableTheFileAndTheTargetMap) {
    DialogFixture f;
    vminta_Click(f.s(), f.board.fp.platform);
    ASSERT_TRUE(f.s().panel.mker.visible);
    f.logic.szr_Click(2); // tile colour 3
    f.logic.scroll_Change(1, 1);
    f.logic.Frame1_MouseDown(3300); // the walls, on the sample square
    f.logic.scroll_Change(3, 99);
    const quint32 three = f.c().szg[2];
    const quint32 wall = f.c().szg[kWallSlot];
    ASSERT_TRUE(f.logic.rendben_Click());

    EXPECT_EQ(f.s().tileColours[3], three);
    EXPECT_EQ(f.s().tileColours[7], wall);
    const std::array<quint32, 8> stored = ReadStoredColours(f.folder);
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(stored[i], f.s().tileColours[i]) << "colour " << i;
    const TargetMap& map = f.s().targetMap;
    int threes = 0;
    for (int row = 0; row < map.span; ++row) {
        for (int col = 0; col < map.span; ++col) {
            const int digit = f.s().targetMapText.at(row * map.span + col).digitValue();
            EXPECT_EQ(map.shapeAt(row, col)->fillColour, f.s().tileColours[digit]);
            threes += digit == 3;
        }
    }
    EXPECT_EQ(threes, 4);
}

TEST(StoreColours, OnlyTheColourBytesOfTheRecordChange) {
    QTemporaryDir dir;
    const QDir folder(dir.path());
    SettingsRecord r;
    r.gameType = 3;
    r.boardSize = 6;
    r.rearrange = 1;
    r.numberTileColour = 4;
    r.look3D = 0;
    r.sound = 0;
    r.pendoly = 1;
    r.language = QStringLiteral("English");
    QByteArray before = EncodeSettingsRecord(r) + QByteArray("tail");
    // A language field the game cannot decode (0x81 and 0x98 are no code page 1250
    // letters) stays as it is: the dialog changes colours, nothing else.
    before.replace(42, 4, QByteArray("\x81\x98..", 4));
    writeParam(folder, before);

    ASSERT_TRUE(StoreColours(folder, newColours()));
    const QByteArray after = readParam(folder);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(8).toHex(' '), before.left(8).toHex(' '));
    EXPECT_EQ(after.mid(36).toHex(' '), before.mid(36).toHex(' '));
    EXPECT_EQ(ReadStoredColours(folder), newColours());
}

// Whatever the rest of the record holds, a language field that does not decode or
// names no language file included, stays byte for byte: only the colours are the dialog's.
TEST(StoreColours, ARecordTheGameCannotReadStaysAsItIsButItsColours) {
    const QByteArray sound = EncodeSettingsRecord(SettingsRecord());
    auto withLanguageField = [&sound](const QByteArray& field) {
        return sound.left(42) + field.leftJustified(20, ' ');
    };
    const struct {
        const char* what;
        QByteArray before;
    } cases[] = {
        {"undefined code page byte", withLanguageField("Magy\x98r")},
        {"a path", withLanguageField("../English")},
        {"zero padding", sound.left(42) + QByteArray("English") + QByteArray(13, '\0')},
        {"odd numbers", QByteArray::fromHex("ff7f09000200f0ff") + sound.mid(8, 28) +
                            QByteArray::fromHex("0500ffff0700") + withLanguageField("English").mid(42)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(c.before.size(), kSettingsRecordSize);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeParam(folder, c.before);
        ASSERT_TRUE(StoreColours(folder, newColours()));
        const QByteArray after = readParam(folder);
        ASSERT_EQ(after.size(), kSettingsRecordSize);
        EXPECT_EQ(after.left(8).toHex(' '), c.before.left(8).toHex(' '));
        EXPECT_EQ(after.mid(36).toHex(' '), c.before.mid(36).toHex(' '));
        EXPECT_EQ(ReadStoredColours(folder), newColours());
    }
}

TEST(StoreColours, AMissingOrShortFileBecomesAWholeRecord) {
    for (const int length : {-1, 0, 10, 40}) {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        SettingsRecord kept;
        kept.gameType = 4;
        kept.boardSize = 4;
        kept.rearrange = 1;
        kept.numberTileColour = 5;
        kept.look3D = 0; // reached by a 40-byte file
        if (length >= 0) writeParam(folder, EncodeSettingsRecord(kept).left(length));

        ASSERT_TRUE(StoreColours(folder, newColours()));
        const QByteArray bytes = readParam(folder);
        ASSERT_EQ(bytes.size(), kSettingsRecordSize) << length;
        bool repaired = true;
        const SettingsRecord read = DecodeSettingsRecord(bytes, &repaired);
        EXPECT_FALSE(repaired);
        SettingsRecord expected; // the defaults where the file held nothing
        if (length >= 8) {
            expected.gameType = kept.gameType;
            expected.boardSize = kept.boardSize;
            expected.rearrange = kept.rearrange;
            expected.numberTileColour = kept.numberTileColour;
        }
        if (length >= 38) expected.look3D = kept.look3D;
        expected.colours = newColours();
        EXPECT_EQ(read, expected) << length;
    }
}
