// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/CoarseTable.h"
#include <algorithm>
#include <bit>

namespace {

constexpr uint8_t kUnknown = CoarseTable::kFar;

// Arrangements of `counts` (class 0..classes) over `places` places: places! / Π counts!.
uint64_t arrangements(const std::array<int, CoarseTable::kMaxClasses + 1>& counts, int classes) {
    uint64_t result = 1;
    int placed = 0;
    for (int c = 0; c <= classes; ++c)
        for (int k = 1; k <= counts[static_cast<size_t>(c)]; ++k) {
            ++placed;
            // result · placed / k stays whole: it is a binomial step.
            if (result > UINT64_MAX / static_cast<uint64_t>(placed)) return UINT64_MAX;
            result = result * static_cast<uint64_t>(placed) / static_cast<uint64_t>(k);
        }
    return result;
}

struct Shape {
    std::array<int, CoarseTable::kMaxClasses + 1> counts{};
    int classes = 0;
    bool fits = true;
};

Shape shapeOf(const Puzzle& pz, const CoarseTable::Classes& classOf) {
    Shape shape;
    for (int p = 0; p < pz.graph.placeCount(); ++p) {
        const int c = classOf[pz.start.at[p]];
        if (c > CoarseTable::kMaxClasses || (pz.start.at[p] != kEmpty && c == 0)) shape.fits = false;
        if (!shape.fits) break;
        ++shape.counts[static_cast<size_t>(c)];
        shape.classes = std::max(shape.classes, c);
    }
    return shape;
}

} // namespace

uint64_t CoarseTable::Size(const Puzzle& pz, const Classes& classOf) {
    const Shape shape = shapeOf(pz, classOf);
    if (!shape.fits) return UINT64_MAX;
    const uint64_t count = arrangements(shape.counts, shape.classes);
    const uint64_t columns = pz.graph.pendoly ? static_cast<uint64_t>(pz.graph.n) + 1 : 1;
    return count > UINT64_MAX / columns ? UINT64_MAX : count * columns;
}

uint64_t CoarseTable::rank(const uint8_t* classes, int slotCol) const {
    std::array<int, kMaxClasses + 1> left = m_count;
    size_t ways = m_ways.size() - 1;   // every place still to fill
    uint64_t index = 0;
    for (int p = 0; p < m_places; ++p) {
        const int here = classes[p];
        // Those with a smaller class on p come first.
        for (int c = 0; c < here; ++c)
            if (left[static_cast<size_t>(c)] > 0) index += m_ways[ways - m_stride[static_cast<size_t>(c)]];
        ways -= m_stride[static_cast<size_t>(here)];
        --left[static_cast<size_t>(here)];
    }
    return index * m_slotColumns + static_cast<uint64_t>(slotCol);
}

void CoarseTable::unrank(uint64_t index, PlaceState& s) const {
    s.slotCol = static_cast<uint8_t>(index % m_slotColumns);
    index /= m_slotColumns;
    std::array<int, kMaxClasses + 1> left = m_count;
    uint64_t total = m_arrangements;
    for (int p = 0, rest = m_places; p < m_places; ++p, --rest) {
        for (int c = 0; c <= m_classCount; ++c) {
            if (left[static_cast<size_t>(c)] == 0) continue;
            const uint64_t block = total * static_cast<uint64_t>(left[static_cast<size_t>(c)]) / static_cast<uint64_t>(rest);
            if (index < block) {
                s.at[static_cast<size_t>(p)] = static_cast<uint8_t>(c);
                total = block;
                --left[static_cast<size_t>(c)];
                break;
            }
            index -= block;
        }
    }
}

std::shared_ptr<const CoarseTable> CoarseTable::Build(const Puzzle& pz, int goal, const Classes& classOf,
                                                      uint64_t maxEntries, const SearchLimits& limits,
                                                      const std::vector<std::shared_ptr<const CoarseTable>>& built) {
    const Shape shape = shapeOf(pz, classOf);
    const uint64_t size = Size(pz, classOf);
    if (!shape.fits || size > maxEntries || size >= UINT32_MAX) return nullptr;
    auto t = std::make_shared<CoarseTable>();
    t->m_places = pz.graph.placeCount();
    t->m_classCount = shape.classes;
    t->m_slotColumns = pz.graph.pendoly ? static_cast<uint64_t>(pz.graph.n) + 1 : 1;
    t->m_count = shape.counts;
    t->m_arrangements = arrangements(shape.counts, shape.classes);
    t->m_classOf = classOf;
    uint32_t stride = 1;
    for (int c = 0; c <= shape.classes; ++c) {
        t->m_stride[static_cast<size_t>(c)] = stride;
        stride *= static_cast<uint32_t>(shape.counts[static_cast<size_t>(c)] + 1);
    }
    t->m_ways.resize(stride);
    for (uint32_t code = 0; code < stride; ++code) {
        std::array<int, kMaxClasses + 1> left{};
        for (int c = 0; c <= shape.classes; ++c)
            left[static_cast<size_t>(c)] = static_cast<int>(code / t->m_stride[static_cast<size_t>(c)] %
                                                            static_cast<uint32_t>(shape.counts[static_cast<size_t>(c)] + 1));
        t->m_ways[code] = arrangements(left, shape.classes);
    }

    // The target: each field place holds the class of the one value it wants, every
    // other place is empty, and so is the slot.
    PlaceState target;
    std::array<int, kMaxClasses + 1> counts{};
    const Goal& g = pz.goals[static_cast<size_t>(goal)];
    for (int p = 0; p < t->m_places; ++p) {
        if (p < pz.graph.fieldPlaces()) {
            if (std::popcount(g.accepts[static_cast<size_t>(p)]) != 1) return nullptr;
            const int value = std::countr_zero(g.accepts[static_cast<size_t>(p)]);
            if (value != kEmpty && classOf[static_cast<size_t>(value)] == 0) return nullptr;
            target.at[static_cast<size_t>(p)] = classOf[static_cast<size_t>(value)];
        }
        ++counts[target.at[static_cast<size_t>(p)]];
    }
    if (counts != shape.counts) return nullptr;
    t->m_target = target.at;
    for (const std::shared_ptr<const CoarseTable>& other : built)
        if (other && other->m_places == t->m_places && other->m_count == t->m_count && other->m_target == t->m_target &&
            other->m_slotColumns == t->m_slotColumns) {
            t->m_table = other->m_table;
            return t;
        }

    t->m_table = std::make_shared<std::vector<uint8_t>>(size, kUnknown);
    std::vector<uint8_t>& table = *t->m_table;
    const uint64_t home = t->rank(target.at.data(), 0);
    table[home] = 0;
    std::vector<uint32_t> queue{static_cast<uint32_t>(home)};
    std::vector<Step> steps;
    PlaceState s;
    PlaceState next;
    for (size_t head = 0; head < queue.size(); ++head) {
        if ((head & 0x3FFF) == 0 && limits.expired()) return nullptr;
        const uint32_t index = queue[head];
        const uint8_t far = static_cast<uint8_t>(table[index] + 1);
        if (far == kUnknown) continue;
        t->unrank(index, s);
        steps.clear();
        pz.steps(s, steps);
        for (const Step& step : steps) {
            next = s;
            pz.apply(next, step);
            const uint64_t to = t->rank(next.at.data(), next.slotCol);
            if (table[to] != kUnknown) continue;
            table[to] = far;
            queue.push_back(static_cast<uint32_t>(to));
        }
    }
    return t;
}

int CoarseTable::lookup(const PlaceState& s) const {
    uint8_t classes[MoveGraph::kMaxPlaces];
    for (int p = 0; p < m_places; ++p) classes[p] = m_classOf[s.at[static_cast<size_t>(p)]];
    return (*m_table)[rank(classes, s.slotCol)];
}
