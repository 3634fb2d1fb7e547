// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SystemRandom.h"
#include <chrono>

SystemRandom::SystemRandom()
    : SystemRandom(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

SystemRandom::SystemRandom(std::uint64_t seed) {
    // The four words of state come from the seed through splitmix64, so that no
    // seed leaves the state all zero.
    for (std::uint64_t& word : m_state) {
        std::uint64_t z = (seed += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        word = z ^ (z >> 31);
    }
}

void SystemRandom::RndInto(std::span<double> draws) {
    std::array<std::uint64_t, 4> state = m_state;
    for (double& draw : draws) draw = Fraction(Next(state));
    m_state = state;
}
