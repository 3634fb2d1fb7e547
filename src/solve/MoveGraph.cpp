// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/MoveGraph.h"
#include "play/GameState.h"
#include "play/Move.h"
#include <deque>
#include <optional>

namespace {

constexpr int kProbeTile = 1;

// A board of the geometry's size and mode on which single moves are tried: every cell a
// wall but those a question sets.
class Probe {
public:
    Probe(int n, bool pendoly) {
        m_s.board.resize(n);
        m_s.pendolyMode = pendoly;
        clear();
    }

    void clear() {
        Board& b = m_s.board;
        for (int r = 0; r <= b.borderIdx(); ++r)
            for (int q = 0; q <= b.borderIdx(); ++q) b.set({r, q}, kWall, 0);
    }

    // Whether a tile on `tile` may slide into the empty `hole`.
    bool slides(Cell tile, Cell hole, int slotCol = 1) {
        clear();
        m_s.slotCol = slotCol;
        m_s.board.setValue(tile, kProbeTile);
        m_s.board.setValue(hole, kEmpty);
        return CheckMove(m_s, Move::slide(tile, hole)) == MoveRefusal::None;
    }

    // Moves the open slot from column a to b, with or without a tile in it. Nothing when
    // the rules refuse; otherwise whether it was a step.
    std::optional<bool> shiftsSlot(int a, int b, bool withTile) {
        clear();
        m_s.slotCol = a;
        m_s.board.setValue({0, a}, withTile ? kProbeTile : kEmpty);
        const MoveResult result = ApplyMove(m_s, Move::shiftSlot(a, b));
        if (!result.applied()) return std::nullopt;
        return result.step;
    }

    // Rotates a field whose cells carry their place numbers + 1; where each went, and
    // whether it was a step.
    std::optional<std::vector<uint8_t>> rotation(const MoveGraph& g, int row, bool rightwards, bool* step) {
        clear();
        for (int p = 0; p < g.fieldPlaces(); ++p) m_s.board.setValue(g.cells[p], p + 1);
        const MoveResult result = ApplyMove(m_s, Move::rotateRow(row, rightwards));
        if (!result.applied()) return std::nullopt;
        *step = result.step;
        std::vector<uint8_t> to(static_cast<size_t>(g.placeCount()));
        for (int p = 0; p < g.placeCount(); ++p) to[p] = static_cast<uint8_t>(p);
        for (int p = 0; p < g.fieldPlaces(); ++p) {
            const int label = m_s.board.value(g.cells[p]);
            if (label >= 1 && label <= g.fieldPlaces()) to[label - 1] = static_cast<uint8_t>(p);
        }
        return to;
    }

private:
    GameState m_s;
};

void fillDistances(MoveGraph& g) {
    const int count = g.placeCount();
    g.distance.assign(count, std::vector<uint8_t>(count, MoveGraph::kFar));
    // slideTo[a]: the places a tile on a may slide into.
    std::vector<std::vector<int>> slideTo(count);
    for (int h = 0; h < count; ++h)
        for (uint8_t from : g.slideFrom[h]) slideTo[from].push_back(h);
    for (int source = 0; source < count; ++source) {
        std::vector<uint8_t>& d = g.distance[source];
        std::deque<int> queue{source};
        d[source] = 0;
        while (!queue.empty()) {
            const int a = queue.front();
            queue.pop_front();
            for (int b : slideTo[a]) {
                if (d[b] != MoveGraph::kFar) continue;
                d[b] = static_cast<uint8_t>(d[a] + 1);
                queue.push_back(b);
            }
        }
    }
}

void derivePendolyMoves(MoveGraph& g, Probe& probe) {
    const int n = g.n;
    g.liftAt.assign(n + 1, false);
    g.dropAt.assign(n + 1, false);
    g.carry.assign(n + 1, std::vector<bool>(n + 1, false));
    g.emptyShift.assign(n + 1, std::vector<bool>(n + 1, false));
    for (int c = 1; c <= n; ++c) {
        g.liftAt[c] = probe.slides({1, c}, {0, c}, c);
        g.dropAt[c] = probe.slides({0, c}, {1, c}, c);
        for (int d = 1; d <= n; ++d) {
            if (const std::optional<bool> step = probe.shiftsSlot(c, d, true)) {
                g.carry[c][d] = true;
                g.carryCountsStep = *step;
            }
            if (const std::optional<bool> step = probe.shiftsSlot(c, d, false)) {
                g.emptyShift[c][d] = true;
                g.emptyShiftCountsStep = *step;
            }
        }
    }
    bool anywhere = true;
    for (int c = 1; c <= n; ++c)
        for (int d = 1; d <= n; ++d)
            if (c != d && !g.emptyShift[c][d]) anywhere = false;
    g.slotGoesAnywhereFree = anywhere && !g.emptyShiftCountsStep;
    bool step = true;
    for (int row = 0; row <= n + 1; ++row)
        for (bool rightwards : {false, true})
            if (std::optional<std::vector<uint8_t>> to = probe.rotation(g, row, rightwards, &step)) {
                g.rotations.push_back({row, rightwards, std::move(*to)});
                g.rotationCountsStep = g.rotationCountsStep && step;
            }
}

} // namespace

int MoveGraph::placeOf(Cell c) const {
    if (pendoly && c.row == 0 && c.col >= 1 && c.col <= n) return slot;
    for (int p = 0; p < placeCount(); ++p)
        if (cells[p] == c) return p;
    return -1;
}

MoveGraph MoveGraph::Derive(const GameState& s) {
    MoveGraph g;
    const Board& b = s.board;
    g.n = b.size();
    g.pendoly = s.pendolyMode;
    for (int p = 1; p <= b.cellCount(); ++p) g.cells.push_back(b.fieldCell(p));
    if (g.pendoly) {
        g.slot = g.placeCount();
        g.cells.push_back({0, 0});
    } else {
        for (int r = 0; r <= b.borderIdx(); ++r)
            for (int q = 0; q <= b.borderIdx(); ++q)
                if (b.isRing({r, q}) && b.value({r, q}) != kWall && g.placeCount() < kMaxPlaces)
                    g.cells.push_back({r, q});
    }

    Probe probe(g.n, g.pendoly);
    const int count = g.placeCount();
    g.slideFrom.assign(count, {});
    for (int h = 0; h < count; ++h) {
        if (h == g.slot) continue;
        for (int a = 0; a < count; ++a)
            if (a != h && a != g.slot && probe.slides(g.cells[a], g.cells[h]))
                g.slideFrom[h].push_back(static_cast<uint8_t>(a));
    }
    fillDistances(g);
    if (g.pendoly) derivePendolyMoves(g, probe);
    return g;
}
