// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The cheapest way to give each of `rows` targets its own one of `cols` candidates
// (rows <= cols): the least total cost of a one-to-one assignment (Hungarian method).
// Colour tiles of one colour stand in for each other, so the fewest steps that bring a
// colour's tiles to its target cells is at least the cheapest such assignment of tiles
// to cells, each at its distance.
#include <vector>

class Assignment {
public:
    static constexpr int kMaxSize = 40;

    // cost[r * cols + c]; rows <= cols <= kMaxSize.
    int minimumCost(const int* cost, int rows, int cols);

private:
    std::vector<int> m_u, m_v, m_match, m_way, m_minv;
    std::vector<char> m_used;
};
