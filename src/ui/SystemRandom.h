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
    double Rnd() override { return Fraction(Next()); }
    // The draws in one loop, the generator's state kept in registers throughout.
    void RndInto(std::span<double> draws) override;

private:
    // The top 53 bits of a draw as a fraction: the doubles of [0, 1) with that spacing
    // are equally likely.
    static double Fraction(std::uint64_t bits) {
        // Signed: 53 bits fit, and the signed conversion is one instruction.
        return static_cast<double>(static_cast<std::int64_t>(bits >> 11)) * 0x1.0p-53;
    }
    static std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t Next(std::array<std::uint64_t, 4>& s) {
        const std::uint64_t result = RotateLeft(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = RotateLeft(s[3], 45);
        return result;
    }
    std::uint64_t Next() { return Next(m_state); }

    std::array<std::uint64_t, 4> m_state{};
};
