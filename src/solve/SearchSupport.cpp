// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/SearchSupport.h"

namespace {

// A fixed sequence, so a search runs the same way every time.
uint64_t splitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

PositionKeys::PositionKeys(const Puzzle& pz) : m_places(pz.graph.placeCount()) {
    uint64_t seed = 0x5A17E4ULL;
    m_keys.resize(static_cast<size_t>(m_places) * 64);
    for (uint64_t& k : m_keys) k = splitMix(seed);
    m_slot.resize(static_cast<size_t>(pz.graph.n) + 2);
    for (uint64_t& k : m_slot) k = splitMix(seed);
    m_slot[0] = 0;
}

uint64_t PositionKeys::key(const PlaceState& p) const {
    uint64_t k = slotKey(p.slotCol);
    for (int place = 0; place < m_places; ++place) k ^= valueKey(place, p.at[place]);
    return k;
}
