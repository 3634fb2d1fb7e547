// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SystemRandom.h"
#include <gtest/gtest.h>
#include <array>

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
