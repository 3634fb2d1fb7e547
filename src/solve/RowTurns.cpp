// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/RowTurns.h"
#include <algorithm>
#include <climits>

RowTurns::RowTurns(const Puzzle& pz, const Goal& goal, const PlaceState& s, bool wantedInRowOnly)
    : m_n(pz.graph.n) {
    const int n = m_n;
    for (int row = 1; row <= n; ++row) {
        uint64_t wantedInRow = 0;
        for (int col = 1; col <= n; ++col) wantedInRow |= goal.accepts[static_cast<size_t>(pz.fieldPlace(row, col))];
        for (int col = 1; col <= n; ++col) {
            const int v = s.at[static_cast<size_t>(pz.fieldPlace(row, col))];
            if (v == kEmpty || (wantedInRowOnly && !(wantedInRow >> v & 1))) continue;
            ++m_tiles[static_cast<size_t>(row - 1)];
            for (int turn = 0; turn < n; ++turn) {
                const int to = pz.fieldPlace(row, (col - 1 + turn) % n + 1);
                if (goal.accepts[static_cast<size_t>(to)] >> v & 1) ++m_stay[static_cast<size_t>(row - 1)][static_cast<size_t>(turn)];
            }
        }
    }
}

int RowTurns::mustLeave() const {
    int total = 0;
    for (int r = 0; r < m_n; ++r) {
        const auto& stay = m_stay[static_cast<size_t>(r)];
        total += m_tiles[static_cast<size_t>(r)] - *std::max_element(stay.begin(), stay.begin() + m_n);
    }
    return total;
}

int RowTurns::leavingOrTurning(int leaveCost) const {
    int total = 0;
    for (int r = 0; r < m_n; ++r) {
        int best = INT_MAX;
        for (int turn = 0; turn < m_n; ++turn)
            best = std::min(best, leaveCost * (m_tiles[static_cast<size_t>(r)] - m_stay[static_cast<size_t>(r)][static_cast<size_t>(turn)]) +
                                      Rotations(turn, m_n));
        total += best;
    }
    return total;
}

int RowTurns::turnsAndSlides(int vertical, int extra) const {
    // rotations[k]: the fewest rotations with exactly k counted tiles leaving, over the
    // rows so far.
    constexpr int kLeavers = kMaxN * kMaxN + 1;
    std::array<int, kLeavers> rotations;
    rotations.fill(INT_MAX);
    rotations[0] = 0;
    int most = 0;
    for (int r = 0; r < m_n; ++r) {
        std::array<int, kLeavers> next;
        next.fill(INT_MAX);
        const int tiles = m_tiles[static_cast<size_t>(r)];
        for (int k = 0; k <= most; ++k) {
            if (rotations[static_cast<size_t>(k)] == INT_MAX) continue;
            for (int turn = 0; turn < m_n; ++turn) {
                const int leaving = k + tiles - m_stay[static_cast<size_t>(r)][static_cast<size_t>(turn)];
                const int cost = rotations[static_cast<size_t>(k)] + Rotations(turn, m_n);
                next[static_cast<size_t>(leaving)] = std::min(next[static_cast<size_t>(leaving)], cost);
            }
        }
        most += tiles;
        rotations = next;
    }
    int best = INT_MAX;
    for (int k = 0; k <= most; ++k)
        if (rotations[static_cast<size_t>(k)] != INT_MAX)
            best = std::min(best, rotations[static_cast<size_t>(k)] + std::max(vertical, extra + k));
    return best;
}
