// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SystemRandom.h"
#include <gtest/gtest.h>
#include <array>
#include <vector>

TEST(SystemRandom, DrawsFillTheUnitIntervalEvenly) {
    SystemRandom random(2006);
    std::array<int, 10> tenths{};
    for (int i = 0; i < 100000; ++i) {
        const double r = random.Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++tenths[static_cast<std::size_t>(r * 10)];
    }
    for (int n : tenths) EXPECT_NEAR(n, 10000, 400);
}

TEST(SystemRandom, ASeedGivesItsOwnRepeatableSequence) {
    SystemRandom a(7), b(7), c(8);
    bool differs = false;
    for (int i = 0; i < 8; ++i) {
        const double x = a.Rnd();
        EXPECT_EQ(x, b.Rnd());
        differs |= x != c.Rnd();
    }
    EXPECT_TRUE(differs);
}

// A block of draws is the draws one at a time, in order, and leaves the generator
// where they would: blocks of every size mixed with single draws.
TEST(SystemRandom, ABlockOfDrawsIsTheSameDrawsOneAtATime) {
    SystemRandom blocks(2006), single(2006);
    for (const std::size_t size : {0u, 1u, 2u, 5u, 6u, 10u, 29u, 100u}) {
        std::vector<double> block(size);
        blocks.RndInto(block);
        for (std::size_t i = 0; i < size; ++i) EXPECT_EQ(block[i], single.Rnd()) << "block of " << size << ", draw " << i;
        EXPECT_EQ(blocks.Rnd(), single.Rnd()) << "after a block of " << size;
    }
}
