// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "play/DiagonalTargets.h"
#include "setup/GameTypes.h"
#include <gtest/gtest.h>
#include <map>
#include <vector>

using Type = BoardFixture::Type;

namespace {

std::vector<int> fieldValues(const GameState& s) {
    std::vector<int> v;
    for (int p = 1; p <= s.board.cellCount(); ++p) v.push_back(s.board.value(s.board.fieldCell(p)));
    return v;
}

} // namespace

TEST(GameTypes, ColourTypeAfterInvisibleNumbersShowsTilesAndDrawsColours) {
    BoardFixture f(Type::Numbers, 4);
    ASSERT_TRUE(sorsz_Validate(f.s, QStringLiteral("0")));
    ASSERT_FALSE(f.s.controls.tiles[1].visible);
    atlos_Click(f.s, f.fp.platform);
    for (int k = 1; k <= 16; ++k) EXPECT_TRUE(f.s.controls.tiles[k].visible) << k;
    std::map<int, int> count;
    for (int v : fieldValues(f.s)) ++count[v];
    EXPECT_EQ(count, (std::map<int, int>{{1, 4}, {2, 4}, {3, 4}, {4, 4}}));
    EXPECT_FALSE(f.s.controls.numberLabels[1].visible);
    EXPECT_EQ(f.s.gameType, GameType::Diagonal);

    // Between colour types the board stays as it is.
    const std::vector<int> before = fieldValues(f.s);
    generalt_Click(f.s, f.fp.platform);
    tarolt_Click(f.s, f.fp.platform);
    EXPECT_EQ(fieldValues(f.s), before);
}

TEST(GameTypes, NumberTypeTwiceDoesNotReshuffle) {
    BoardFixture f(Type::Numbers, 5);
    const std::vector<int> before = fieldValues(f.s);
    szamsor_Click(f.s, f.fp.platform);
    EXPECT_EQ(fieldValues(f.s), before);
}

TEST(GameTypes, ControlTableOfTheTypes) {
    BoardFixture f(Type::Numbers, 4);
    f.s.texts.label1TextNumbers = QStringLiteral("Colour:");
    f.s.texts.label1TextOther = QStringLiteral("No.:");
    f.s.texts.okevCaption = QStringLiteral("Exchange");
    f.s.storedGameNo = 4;

    szamsor_Click(f.s, f.fp.platform);
    const PanelControls& c = f.s.panel;
    EXPECT_EQ(c.Label1.caption, QStringLiteral("Colour:"));
    EXPECT_EQ(c.sorsz.caption, QStringLiteral("1"));
    EXPECT_EQ(c.okev.caption, QStringLiteral("Exchange"));
    EXPECT_EQ(c.okev.width, 1200);
    EXPECT_FALSE(c.uj_jatek.enabled);
    EXPECT_FALSE(c.kevment.enabled);
    EXPECT_EQ(f.s.storedGameNo, 0);   // a number game's result carries no stored game

    generalt_Click(f.s, f.fp.platform);
    EXPECT_TRUE(c.vminta.visible && c.skev.visible && c.okev.visible && c.atrend.visible);
    EXPECT_FALSE(c.Label1.visible || c.sorsz.visible);
    EXPECT_EQ(c.okev.caption, c.skev.caption);
    EXPECT_EQ(c.okev.left, 5420);
    EXPECT_TRUE(c.kevment.enabled && c.uj_jatek.enabled);
    EXPECT_TRUE(f.s.controls.rowMarkers[1].visible && f.s.controls.colMarkers[1].visible);
    EXPECT_EQ(f.s.storedGameNo, 0);

    tarolt_Click(f.s, f.fp.platform);
    EXPECT_EQ(c.Label1.caption, QStringLiteral("No.:"));
    EXPECT_TRUE(c.sorsz.visible && c.sorsz.caption.isEmpty());
    EXPECT_FALSE(c.atrend.visible || c.skev.visible || c.vminta.visible);
    EXPECT_FALSE(f.s.controls.rowMarkers[1].visible);
    EXPECT_TRUE(c.tarolt.checked && !c.generalt.checked && !c.szamsor.checked);
}

TEST(GameTypes, FallingDiagonalFirstRowForFive) {
    BoardFixture f(Type::Diagonal, 5);
    f.s.rowColours = {0, 3, 5, 1, 2, 4};
    BuildDiagonalTargets(f.s);
    const std::vector<int> expected{3, 4, 2, 1, 5};   // rowColours 1, 5, 4, 3, 2
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(f.s.targetPatterns[k][0], expected[k - 1]) << k;
    // The rising table read column by column gives the same picture as row by row.
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            EXPECT_EQ(f.s.targetPatterns[(i - 1) * 5 + j][1], f.s.targetPatterns[(j - 1) * 5 + i][1]);
}

TEST(GameTypes, PatternMapOnSixBySix) {
    BoardFixture f(Type::RandomColours, 6);
    vminta_Click(f.s, f.fp.platform);
    const QString map = f.s.targetMapText;
    ASSERT_EQ(map.size(), 64);
    EXPECT_EQ(map.left(8), QStringLiteral("77777777"));
    EXPECT_EQ(map.right(8), QStringLiteral("77777777"));
    std::map<int, int> count;
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(map[8 * i], u'7');
        EXPECT_EQ(map[8 * i + 7], u'7');
        for (int j = 1; j <= 6; ++j) {
            const int v = map[8 * i + j].digitValue();
            ++count[v];
            EXPECT_EQ(f.s.targetMap.shapeAt(i, j)->fillColour, f.s.tileColours[v]);
        }
    }
    EXPECT_EQ(count, (std::map<int, int>{{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
    const MapShape& corner = *f.s.targetMap.shapeAt(0, 0);
    EXPECT_EQ(corner.width, 2000 / 8 + 20);
    EXPECT_EQ(f.s.targetMap.shapeAt(1, 1)->left, 250 + 20);
    const PanelControls& c = f.s.panel;
    EXPECT_TRUE(c.mker.visible && c.mvon.visible && c.alapall.visible);
    EXPECT_FALSE(c.tipus.visible || c.dimenzio.visible || c.vminta.visible || c.skev.visible);

    alapall_Click(f.s);
    EXPECT_FALSE(c.mker.visible || c.alapall.visible || f.s.targetMap.shapes[0].visible);
    EXPECT_TRUE(c.vminta.visible && c.tipus.visible && c.skev.visible && c.okev.visible);
}

TEST(GameTypes, BackToBasicSetUpClosesOpenedCellsWithTheirMarkers) {
    BoardFixture f(Type::RandomColours, 4);
    vminta_Click(f.s, f.fp.platform);
    f.clickCell({0, 2});
    ASSERT_EQ(f.s.board.value({0, 2}), kEmpty);
    alapall_Click(f.s);
    EXPECT_EQ(f.s.board.value({0, 2}), kWall);   // shown as a wall, so it is one
    EXPECT_TRUE(RingClosed(f.s));
}

TEST(GameTypes, NumberTileColourIsValidated) {
    BoardFixture f(Type::Numbers, 4);
    for (const char* bad : {"7", "-1", "12"}) {
        EXPECT_FALSE(sorsz_Validate(f.s, QString::fromLatin1(bad))) << bad;
        EXPECT_EQ(f.s.numberTileColour, 1);
    }
    EXPECT_TRUE(sorsz_Validate(f.s, QStringLiteral("4")));
    EXPECT_EQ(f.s.numberTileColour, 4);
    EXPECT_EQ(f.s.controls.tiles[16].colourIndex, 4);
    EXPECT_TRUE(f.s.controls.tiles[16].visible);

    generalt_Click(f.s, f.fp.platform);
    EXPECT_TRUE(sorsz_Validate(f.s, QStringLiteral("9")));   // only the number type checks
    EXPECT_EQ(f.s.numberTileColour, 4);
}

TEST(GameTypes, SizeOptionsRebuildTheBoard) {
    BoardFixture f(Type::Numbers, 4);
    Option3_Click(f.s, f.fp.platform);
    EXPECT_EQ(f.s.N(), 6);
    EXPECT_EQ(f.s.cellSize, 625);
    EXPECT_TRUE(f.s.panel.Option3.checked && !f.s.panel.Option1.checked);
}

TEST(GameTypes, RestoreAfterAGameUnlocksTheSetUp) {
    BoardFixture f(Type::RandomColours, 4);
    f.clickCell({0, 1});
    f.clickCell({0, 3});
    f.flow.kezd_Click();
    ASSERT_TRUE(f.s.gameRunning);
    f.s.texts.messages[0] = QStringLiteral("Load");
    RestoreSetupControls(f.s);
    const PanelControls& c = f.s.panel;
    EXPECT_EQ(f.s.phase, GamePhase::SetUp);
    EXPECT_FALSE(f.s.gameRunning);
    for (const ControlState* on : {&c.kezd, &c.kever, &c.uj, &c.generalt, &c.Option2, &c.babilon})
        EXPECT_TRUE(on->enabled);
    EXPECT_EQ(c.uj.caption, QStringLiteral("Load"));
    EXPECT_TRUE(c.vminta.visible && c.skev.visible && c.okev.visible);
    EXPECT_FALSE(c.Label1.visible || c.elt.visible);
    EXPECT_TRUE(RingClosed(f.s));
    EXPECT_EQ(f.s.board.value({0, 1}), kWall);
}
