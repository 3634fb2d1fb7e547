// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "play/GameState.h"
#include "presentation/BoardLayout.h"
#include "presentation/TileColours.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

enum class Type { Random, Diagonal, Numbers, Stored };

GameState builtBoard(FakePlatform& fp, int n, Type type, bool look3D = true) {
    GameState s;
    s.look3D = look3D;
    s.panel.generalt.checked = type == Type::Random;
    s.panel.atlos.checked = type == Type::Diagonal;
    s.panel.szamsor.checked = type == Type::Numbers;
    s.panel.tarolt.checked = type == Type::Stored;
    ClearBoard(s, fp.random, n + 2);
    return s;
}

TEST(BoardLayout, GeometryPerSize) {
    struct Case {
        int n, cellSize, tile, labelLeft, labelTop;
    };
    for (const Case& c : {Case{4, 833, 783, 320, 250}, Case{5, 714, 664, 270, 200},
                          Case{6, 625, 575, 220, 170}}) {
        FakePlatform fp;
        const GameState s = builtBoard(fp, c.n, Type::Numbers, false);
        EXPECT_EQ(s.cellSize, c.cellSize);
        EXPECT_EQ(s.cellInset, static_cast<int>(c.cellSize / 2.5));
        ASSERT_EQ(s.controls.tileCount(), c.n * c.n);
        ASSERT_EQ(s.controls.wallCount(), 4 * (c.n + 1));
        // Tile k sits in cell k, 35 twips inside it.
        const int k = c.n + 2; // row 2, column 2
        const TileControl& tile = s.controls.tiles[k];
        EXPECT_EQ(s.board.ctl({2, 2}), k);
        EXPECT_EQ(tile.left, 2 * c.cellSize + 35);
        EXPECT_EQ(tile.top, 2 * c.cellSize + 35);
        EXPECT_EQ(tile.width, c.tile);
        // Walls are 15 twips larger than a cell, so neighbours overlap.
        const ShapeControl& wall = s.controls.walls[2];
        EXPECT_EQ(wall.left, c.cellSize);
        EXPECT_EQ(wall.width, c.cellSize + 15);
        EXPECT_EQ(s.board.ctl({0, 1}), 2);
        EXPECT_EQ(s.board.ctl({1, 0}), c.n + 3);   // first wall after the top row
        EXPECT_EQ(s.board.ctl({1, c.n + 1}), c.n + 4);
        // Number labels: size offsets, one-digit numbers 35 further right.
        const int value = s.board.value({2, 2});
        const LabelControl& label = s.controls.numberLabels[k];
        EXPECT_EQ(label.top, 2 * c.cellSize + 35 + c.labelTop);
        EXPECT_EQ(label.left, 2 * c.cellSize + c.labelLeft + (value <= 9 ? 35 : 0));
        EXPECT_EQ(label.caption, QString::number(value));
        EXPECT_EQ(s.controls.inner.left, c.cellSize - 3);
        EXPECT_EQ(s.controls.inner.width, c.n * c.cellSize + 25);
    }
}

TEST(FillInitialBoard, IsAPermutationWithTheRingWalled) {
    for (int n : {4, 5, 6}) {
        for (Type type : {Type::Random, Type::Numbers}) {
            FakePlatform fp;
            const GameState s = builtBoard(fp, n, type);
            std::map<int, int> counts;
            for (int p = 1; p <= n * n; ++p) ++counts[s.board.value(s.board.fieldCell(p))];
            if (type == Type::Numbers) {
                ASSERT_EQ(counts.size(), size_t(n * n));
                EXPECT_EQ(counts.begin()->first, 1);
                EXPECT_EQ(counts.rbegin()->first, n * n);
            } else {
                ASSERT_EQ(counts.size(), size_t(n));
                for (const auto& [colour, count] : counts) {
                    EXPECT_GE(colour, 1);
                    EXPECT_LE(colour, n);
                    EXPECT_EQ(count, n);
                }
            }
            for (int i = 0; i <= n + 1; ++i) {
                for (Cell c : {Cell{0, i}, Cell{n + 1, i}, Cell{i, 0}, Cell{i, n + 1}})
                    EXPECT_EQ(s.board.value(c), kWall);
            }
            EXPECT_EQ(s.shuffleNo, 0);
        }
    }
}

TEST(FillInitialBoard, EqualKeysKeepTheirOrder) {
    FakePlatform fp;
    for (int i = 0; i < 16; ++i) fp.random.script.push_back(0.5); // every key the same
    GameState s;
    s.panel.szamsor.checked = true;
    s.board.resize(4);
    FillInitialBoard(s, fp.random);
    for (int p = 1; p <= 16; ++p) EXPECT_EQ(s.board.value(s.board.fieldCell(p)), p);
}

bool isPermutation(std::vector<int> colours, int n) {
    colours.erase(colours.begin());
    std::sort(colours.begin(), colours.end());
    for (int i = 0; i < n; ++i)
        if (colours[i] != i + 1) return false;
    return int(colours.size()) == n;
}

TEST(Markers, PermutationsShownByType) {
    struct Case {
        Type type;
        bool rows, cols;
    };
    for (const Case& c : {Case{Type::Random, true, true}, Case{Type::Diagonal, true, false},
                          Case{Type::Numbers, false, false}, Case{Type::Stored, false, false}}) {
        FakePlatform fp;
        const GameState s = builtBoard(fp, 5, c.type);
        EXPECT_TRUE(isPermutation(s.rowColours, 5));
        EXPECT_TRUE(isPermutation(s.colColours, 5));
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(s.controls.rowMarkers[i].visible, c.rows);
            EXPECT_EQ(s.controls.colMarkers[i].visible, c.cols);
            EXPECT_EQ(s.controls.rowMarkers[i].colourIndex, s.rowColours[i]);
            EXPECT_EQ(s.controls.rowMarkers[i].top, 714 * i + 730);
            EXPECT_EQ(s.controls.colMarkers[i].left, 714 * i + 1150);
        }
    }
}

TEST(Markers, AStuckRandomSourceStillGivesAPermutation) {
    FakePlatform fp;
    for (int i = 0; i < 5000; ++i) fp.random.script.push_back(0.0);
    GameState s;
    s.panel.generalt.checked = true;
    ClearBoard(s, fp.random, 6);
    EXPECT_TRUE(isPermutation(s.rowColours, 4));
    EXPECT_TRUE(isPermutation(s.colColours, 4));
}

TEST(LookSwitch, KeepsCellsAndNumbersAndSwapsLines) {
    FakePlatform fp;
    GameState s = builtBoard(fp, 4, Type::Numbers, false);
    const Board before = s.board;
    std::vector<std::pair<int, int>> positions;
    for (int k = 1; k <= 16; ++k) positions.push_back({s.controls.tiles[k].left, s.controls.tiles[k].top});
    EXPECT_TRUE(s.controls.inner.visible);
    EXPECT_TRUE(s.controls.gridLines[0].visible);
    EXPECT_FALSE(s.controls.grooves[0].visible);

    hdim_Click(s, nullptr);
    EXPECT_TRUE(s.look3D);
    EXPECT_FALSE(s.panel.color.enabled);
    EXPECT_FALSE(s.controls.inner.visible);
    for (const LineControl& line : s.controls.gridLines) EXPECT_FALSE(line.visible);
    EXPECT_TRUE(s.controls.grooves[0].visible);
    EXPECT_TRUE(s.controls.grooves[4].visible);   // N + 1 grooves each way
    EXPECT_FALSE(s.controls.grooves[5].visible);
    EXPECT_EQ(s.controls.grooves[7].left, 833 - 40);
    for (int r = 0; r <= 5; ++r)
        for (int c = 0; c <= 5; ++c) {
            EXPECT_EQ(s.board.value({r, c}), before.value({r, c}));
            EXPECT_EQ(s.board.ctl({r, c}), before.ctl({r, c}));
        }
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(std::make_pair(s.controls.tiles[k].left, s.controls.tiles[k].top), positions[k - 1]);
}

TEST(LookSwitch, FlatLookBringsBackTheStoredColours) {
    FakePlatform fp;
    GameState s = builtBoard(fp, 5, Type::Random, true);
    std::array<quint32, 8> stored{0, 0x111111, 0x222222, 0x333333, 0x444444, 0x555555, 0x666666, 0x777777};
    hdim_Click(s, &stored);
    EXPECT_FALSE(s.look3D);
    EXPECT_TRUE(s.panel.color.enabled);
    EXPECT_EQ(s.tileColours[3], 0x333333u);
    EXPECT_EQ(s.tileColours[7], 0x777777u);
    hdim_Click(s, &stored);
    EXPECT_EQ(s.tileColours[3], kDefaultTileColours[3]);
    EXPECT_EQ(s.tileColours[7], 0x777777u); // the wall colour stays the stored one
}

TEST(LookSwitch, NumberTilesWithoutColourStayHiddenInBothLooks) {
    for (bool look3D : {false, true}) {
        FakePlatform fp;
        GameState s;
        s.look3D = look3D;
        s.numberTileColour = 0;
        s.panel.szamsor.checked = true;
        ClearBoard(s, fp.random, 6);
        EXPECT_FALSE(s.controls.tiles[1].visible);
        EXPECT_TRUE(s.controls.numberLabels[1].visible);
        hdim_Click(s, nullptr);
        EXPECT_FALSE(s.controls.tiles[1].visible);
        EXPECT_TRUE(s.controls.numberLabels[1].visible);
    }
}

TEST(ModeLayout, TitleAndRingFollowTheMode) {
    FakePlatform fp;
    GameState s = builtBoard(fp, 4, Type::Random);
    EXPECT_EQ(s.controls.windowTitle, "Zelka-Kvadra");
    s.board.setValue({2, 0}, kEmpty);          // a ring cell the player opened
    s.controls.walls[s.board.ctl({2, 0})].visible = false;
    s.pendolyMode = true;
    ApplyModeLayout(s);
    EXPECT_EQ(s.controls.windowTitle, "Zelka-Kvadra  -- Pendoly");
    EXPECT_EQ(s.board.value({2, 0}), kWall);
    EXPECT_TRUE(s.controls.walls[s.board.ctl({2, 0})].visible);
    EXPECT_EQ(s.controls.rowNumbers[3].top, 833 * 3 + 760);
    s.pendolyMode = false;
    s.board.setValue({0, 2}, kEmpty);
    ApplyModeLayout(s);
    EXPECT_EQ(s.controls.windowTitle, "Zelka-Kvadra");
    EXPECT_EQ(s.board.value({0, 2}), kWall);
}

} // namespace
