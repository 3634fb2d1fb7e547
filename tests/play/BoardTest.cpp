// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Board.h"
#include <gtest/gtest.h>

TEST(Board, SizesAndRingFollowN) {
    for (int n : {4, 5, 6}) {
        Board b(n);
        EXPECT_EQ(b.borderIdx(), n + 1);
        EXPECT_EQ(b.gridSpan(), n + 2);
        EXPECT_EQ(b.cellCount(), n * n);
        EXPECT_TRUE(b.isRing({0, 3}));
        EXPECT_TRUE(b.isRing({n + 1, n + 1}));
        EXPECT_TRUE(b.isField({1, 1}));
        EXPECT_TRUE(b.isField({n, n}));
        EXPECT_FALSE(b.contains({n + 2, 0}));
        EXPECT_EQ(b.fieldCell(n + 1), (Cell{2, 1}));
        EXPECT_EQ(b.fieldCell(n * n), (Cell{n, n}));
    }
}

TEST(Board, OutsideReadsAsWallAndIgnoresWrites) {
    Board b(4);
    b.set({-1, 2}, 5, 7);
    b.set({6, 6}, 5, 7);
    EXPECT_EQ(b.value({-1, 2}), kWall);
    EXPECT_EQ(b.value({6, 0}), kWall);
    EXPECT_EQ(b.ctl({6, 0}), 0);
    EXPECT_EQ(b.countEmpty(), 36);
}
