// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/WeightedAStar.h"
#include <algorithm>
#include <cstring>
#include <functional>
#include <queue>

namespace {

// The positions met so far, packed (one byte a place, then the slot column), with how
// they were reached; found again through an open-addressed table of node numbers.
class NodeStore {
public:
    struct Node {
        uint64_t key = 0;
        uint32_t parent = 0;
        uint16_t g = 0;
        uint16_t h = 0;
        Step step;
        bool closed = false;
    };

    NodeStore(int places, size_t memoryBytes) : m_places(places), m_stride(static_cast<size_t>(places) + 1) {
        // Per node: the packed position, its record, two table slots, about two queue entries.
        const size_t perNode = m_stride + sizeof(Node) + 4 * sizeof(uint64_t);
        m_capacity = std::max<size_t>(1024, memoryBytes / perNode);
        m_slots.assign(size_t(1) << 12, 0);
        m_mask = m_slots.size() - 1;
        const size_t expected = std::min<size_t>(m_capacity, 1 << 14);
        m_nodes.reserve(expected);
        m_packed.reserve(expected * m_stride);
        m_nodes.push_back({});   // number 0 means "none"
        m_packed.resize(m_stride);
    }

    bool full() const { return m_nodes.size() >= m_capacity; }
    Node& node(uint32_t id) { return m_nodes[id]; }

    // The position and the order of its shared tiles (0 or 1) share the last byte
    // with the slot column.
    void unpack(uint32_t id, PlaceState& p, uint8_t& order) const {
        const uint8_t* bytes = m_packed.data() + id * m_stride;
        std::memcpy(p.at.data(), bytes, static_cast<size_t>(m_places));
        p.slotCol = bytes[m_places] & 0x7F;
        order = bytes[m_places] >> 7;
    }

    // The number of `p`, 0 when it is not known yet.
    uint32_t find(const PlaceState& p, uint8_t order, uint64_t key) const {
        uint8_t bytes[MoveGraph::kMaxPlaces + 1];
        pack(p, order, bytes);
        size_t slot = 0;
        return probe(bytes, key, slot);
    }

    // The number of `p`, and whether it was new.
    std::pair<uint32_t, bool> findOrAdd(const PlaceState& p, uint8_t order, uint64_t key) {
        if (2 * m_nodes.size() >= m_slots.size()) grow();
        uint8_t bytes[MoveGraph::kMaxPlaces + 1];
        pack(p, order, bytes);
        size_t slot = 0;
        if (const uint32_t known = probe(bytes, key, slot)) return {known, false};
        const uint64_t tag = key & ~uint64_t(0xFFFFFFFF);
        const uint32_t id = static_cast<uint32_t>(m_nodes.size());
        m_slots[slot] = tag | id;
        Node n;
        n.key = key;
        m_nodes.push_back(n);
        m_packed.insert(m_packed.end(), bytes, bytes + m_stride);
        return {id, true};
    }

private:
    void pack(const PlaceState& p, uint8_t order, uint8_t* bytes) const {
        std::memcpy(bytes, p.at.data(), static_cast<size_t>(m_places));
        bytes[m_places] = static_cast<uint8_t>(p.slotCol | order << 7);
    }

    // The node holding `bytes`, or 0 with `slot` the free slot where it would go. A
    // slot holds the node number and the key's upper half, so most probes need no look
    // at the node itself.
    uint32_t probe(const uint8_t* bytes, uint64_t key, size_t& slot) const {
        const uint64_t tag = key & ~uint64_t(0xFFFFFFFF);
        slot = key & m_mask;
        while (const uint64_t entry = m_slots[slot]) {
            const uint32_t id = static_cast<uint32_t>(entry);
            if ((entry & ~uint64_t(0xFFFFFFFF)) == tag &&
                std::memcmp(m_packed.data() + id * m_stride, bytes, m_stride) == 0)
                return id;
            slot = (slot + 1) & m_mask;
        }
        return 0;
    }

    // The table doubles when half full; the nodes keep their numbers.
    void grow() {
        m_slots.assign(m_slots.size() * 2, 0);
        m_mask = m_slots.size() - 1;
        for (uint32_t id = 1; id < m_nodes.size(); ++id) {
            const uint64_t key = m_nodes[id].key;
            size_t slot = key & m_mask;
            while (m_slots[slot]) slot = (slot + 1) & m_mask;
            m_slots[slot] = (key & ~uint64_t(0xFFFFFFFF)) | id;
        }
    }

    int m_places;
    size_t m_stride;
    size_t m_capacity = 0;
    std::vector<Node> m_nodes;
    std::vector<uint8_t> m_packed;
    std::vector<uint64_t> m_slots;
    size_t m_mask = 0;
};

// The steps from the first node (number 1) to node `id`.
std::vector<Step> pathTo(NodeStore& store, uint32_t id) {
    std::vector<Step> path;
    for (; id > 1; id = store.node(id).parent) path.push_back(store.node(id).step);
    std::reverse(path.begin(), path.end());
    return path;
}

// The places each step moves a tile off, for the steps a frozen place forbids.
class FrozenPlaces {
public:
    FrozenPlaces(const Puzzle& pz, uint64_t frozen) : m_frozen(frozen) {
        for (const RowRotation& r : pz.graph.rotations) {
            uint64_t moved = 0;
            for (size_t f = 0; f < r.to.size(); ++f)
                if (r.to[f] != f) moved |= 1ULL << f;
            m_rotationMoves.push_back(moved);
        }
    }
    bool allows(const Step& step) const {
        if (!m_frozen) return true;
        switch (step.kind) {
        case SearchStepKind::Slide:
        case SearchStepKind::Lift: return !(m_frozen >> step.a & 1);
        case SearchStepKind::Rotate: return !(m_frozen & m_rotationMoves[step.a]);
        case SearchStepKind::Drop:
        case SearchStepKind::Carry: return true;
        }
        return true;
    }

private:
    uint64_t m_frozen;
    std::vector<uint64_t> m_rotationMoves;
};

// Whether sliding the tile on place a to place b changes the order (odd or even) of
// the tiles of value `shared`, counted by place: it passes those between a and b.
uint8_t orderChange(const PlaceState& p, const Step& step, int shared) {
    if (shared < 0 || step.kind != SearchStepKind::Slide || p.at[step.a] != shared) return 0;
    int passed = 0;
    for (int place = std::min(step.a, step.b) + 1; place < std::max(step.a, step.b); ++place)
        passed += p.at[static_cast<size_t>(place)] == shared;
    return static_cast<uint8_t>(passed & 1);
}

// Keeps the two orders of the shared tiles apart in the table.
constexpr uint64_t kOddOrderKey = 0x9E3779B97F4A7C15ULL;

} // namespace

SearchResult WeightedAStar(const Puzzle& pz, const Heuristic& h, const GoalTest& goal,
                           const PlaceState& start, const BestFirstOptions& options,
                           const SearchLimits& limits) {
    SearchResult result;
    if (goal.met(pz, start) && (!options.accept || options.accept({}))) {
        result.outcome = SearchResult::Outcome::Found;
        return result;
    }
    const PositionKeys keys(pz);
    const FrozenPlaces frozen(pz, options.frozen);
    NodeStore store(pz.graph.placeCount(), options.memoryBytes);
    // Queue order: least g·den + h·num first, then the least h (the deeper node).
    auto entry = [&](int g, int hv, uint32_t id) {
        const uint64_t f = static_cast<uint64_t>(g) * options.weightDen + static_cast<uint64_t>(hv) * options.weightNum;
        return (std::min<uint64_t>(f, (1u << 22) - 1) << 42) | (static_cast<uint64_t>(std::min(hv, 1023)) << 32) | id;
    };
    std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<>> open;

    const int h0 = h.estimate(start);
    if (h0 >= options.below || h0 >= Heuristic::kUnreachable) {
        result.outcome = SearchResult::Outcome::NoneBelow;
        return result;
    }
    const uint32_t first = store.findOrAdd(start, 0, keys.key(start)).first;
    store.node(first).h = static_cast<uint16_t>(h0);
    open.push(entry(0, h0, first));

    std::vector<Step> steps;
    PlaceState state;
    PlaceState child;
    uint8_t order = 0;
    Heuristic::Parts parts;
    Heuristic::Parts childParts;
    while (!open.empty()) {
        const uint32_t id = static_cast<uint32_t>(open.top() & 0xFFFFFFFFu);
        open.pop();
        NodeStore::Node& node = store.node(id);
        if (node.closed) continue;
        node.closed = true;
        const int g = node.g;
        // An expansion on a large Pendoly board may take a millisecond: the clock is
        // read often enough to keep to the time given.
        if ((++result.expanded & 0x1F) == 0 && limits.expired()) return result;
        if (result.expanded > options.maxExpanded) return result;
        store.unpack(id, state, order);
        steps.clear();
        pz.steps(state, steps);
        // A slide changes two places of the key, and the bound of its child is worked
        // out from the parent's parts; a child known as near already costs neither.
        const uint64_t key = keys.key(state);
        bool partsReady = false;
        for (const Step& step : steps) {
            if (!frozen.allows(step)) continue;
            child = state;
            pz.apply(child, step);
            const uint8_t childOrder = order ^ orderChange(state, step, options.orderOf);
            const uint64_t childKey =
                (step.kind == SearchStepKind::Slide
                     ? key ^ keys.valueKey(step.a, state.at[step.a]) ^ keys.valueKey(step.b, state.at[step.a])
                     : keys.key(child)) ^
                (childOrder ? kOddOrderKey : 0);
            if (const uint32_t known = store.find(child, childOrder, childKey); known && store.node(known).g <= g + 1)
                continue;
            if (!partsReady) {
                h.compute(state, parts);
                partsReady = true;
            }
            childParts = parts;
            if (step.kind == SearchStepKind::Slide && h.slidesOnly())
                h.afterSlide(child, step.a, step.b, childParts);
            else
                h.compute(child, childParts);
            const int hv = childParts.h;
            if (g + 1 + hv >= options.below || hv >= Heuristic::kUnreachable) continue;
            if (store.full()) return result;   // out of memory: stopped
            // A shorter way to a known position opens it again, so that running out of
            // positions proves there is no solution below the bound.
            const uint32_t childId = store.findOrAdd(child, childOrder, childKey).first;
            NodeStore::Node& c = store.node(childId);
            c.closed = false;
            c.g = static_cast<uint16_t>(g + 1);
            c.h = static_cast<uint16_t>(hv);
            c.parent = id;
            c.step = step;
            if (goal.met(pz, child)) {
                std::vector<Step> path = pathTo(store, childId);
                if (!options.accept || options.accept(path)) {
                    result.outcome = SearchResult::Outcome::Found;
                    result.path = std::move(path);
                    return result;
                }
            }
            open.push(entry(g + 1, hv, childId));
        }
    }
    result.outcome = SearchResult::Outcome::NoneBelow;
    result.lowerBound = options.below;
    return result;
}
