// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "ui/RandomSource.h"
#include <array>
#include <cstdint>

// The game's random source, seeded from the clock at start-up (or with a fixed seed).
// A xoshiro256** generator: statistically strong and a few times cheaper per draw
// than the library's Mersenne twister with its distribution, which matters when a
// rewrite of the results file draws some ten numbers for every record.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    explicit SystemRandom(std::uint64_t seed);
    double Rnd() override;

private:
    std::uint64_t Next();

    std::array<std::uint64_t, 4> m_state{};
};
