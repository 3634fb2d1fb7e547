// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/SystemRandom.h"
#include <chrono>

namespace {

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

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

std::uint64_t SystemRandom::Next() {
    const std::uint64_t result = RotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = RotateLeft(m_state[3], 45);
    return result;
}

// The top 53 bits of a draw as a fraction: the doubles of [0, 1) with that spacing
// are equally likely.
double SystemRandom::Rnd() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
