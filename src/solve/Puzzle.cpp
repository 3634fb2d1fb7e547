// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/Puzzle.h"
#include "play/GameState.h"
#include "play/StartRules.h"
#include <functional>

namespace {

// Whether the tiles on the board can fill every field place of `goal` with a value it
// accepts (a place that accepts an empty cell needs none): a bipartite matching.
bool tilesCanMeet(const Goal& goal, const std::vector<int>& tiles) {
    const size_t places = goal.accepts.size();
    std::vector<int> placeOfTile(tiles.size(), -1);
    std::function<bool(size_t, std::vector<bool>&)> assign = [&](size_t place, std::vector<bool>& tried) {
        for (size_t t = 0; t < tiles.size(); ++t) {
            if (tried[t] || !(goal.accepts[place] >> tiles[t] & 1)) continue;
            tried[t] = true;
            if (placeOfTile[t] < 0 || assign(static_cast<size_t>(placeOfTile[t]), tried)) {
                placeOfTile[t] = static_cast<int>(place);
                return true;
            }
        }
        return false;
    };
    for (size_t place = 0; place < places; ++place) {
        if (goal.accepts[place] & 1) continue;
        std::vector<bool> tried(tiles.size(), false);
        if (!assign(place, tried)) return false;
    }
    return true;
}

// The one-open-cell rule asked for this target alone: the same position with only `t`
// left open.
bool reachableWithOneGap(const GameState& s, const Target& t) {
    GameState alone = s;
    if (t.form == TargetForm::RowWise) alone.rearrangePhase = 1;
    if (t.form == TargetForm::ColumnWise) alone.rearrangePhase = 2;
    alone.ascendingOpen = t.order == NumberOrder::Ascending;
    alone.descendingOpen = t.order == NumberOrder::Descending;
    return OneGapStartRefusal(alone) == OneGapRefusal::None;
}

void fail(QString* whyNot, const char* reason) {
    if (whyNot) *whyNot = QString::fromLatin1(reason);
}

} // namespace

std::optional<Puzzle> Puzzle::FromGame(const GameState& s, QString* whyNot) {
    Puzzle pz;
    pz.graph = MoveGraph::Derive(s);
    const MoveGraph& g = pz.graph;
    const Board& b = s.board;
    if (g.pendoly) {
        if (s.slotCol < 1 || s.slotCol > g.n || b.value({0, s.slotCol}) == kWall) {
            fail(whyNot, "the top ring row has no open slot");
            return std::nullopt;
        }
        for (int r = 0; r <= b.borderIdx(); ++r)
            for (int q = 0; q <= b.borderIdx(); ++q)
                if (b.isRing({r, q}) && !(r == 0 && q == s.slotCol) && b.value({r, q}) != kWall) {
                    fail(whyNot, "in Pendoly mode only the slot of the top ring row is open");
                    return std::nullopt;
                }
        // The compact slot stands for the whole top row, and every compact step is one
        // step of the game: that holds while the empty slot travels free to any column
        // and a carried tile and a rotation count one step each.
        if (!g.slotGoesAnywhereFree || !g.carryCountsStep || !g.rotationCountsStep) {
            fail(whyNot, "the slot moves are not the ones the search models");
            return std::nullopt;
        }
    }
    std::vector<int> tiles;
    for (int p = 0; p < g.placeCount(); ++p) {
        const Cell cell = p == g.slot ? Cell{0, s.slotCol} : g.cells[p];
        const int value = b.value(cell);
        if (value < 0 || value > kMaxValue) {
            fail(whyNot, "a tile value is too large for the solver");
            return std::nullopt;
        }
        pz.start.at[p] = static_cast<uint8_t>(value);
        if (value != kEmpty) tiles.push_back(value);
    }
    if (g.pendoly) pz.start.slotCol = static_cast<uint8_t>(s.slotCol);
    pz.normalizeSlot(pz.start);

    const std::vector<Target> open = OpenTargets(s);
    pz.openTargets = static_cast<int>(open.size());
    for (const Target& t : open) {
        Goal goal{t, std::vector<uint64_t>(static_cast<size_t>(g.fieldPlaces()), 0)};
        for (int p = 0; p < g.fieldPlaces(); ++p)
            for (int v = 0; v <= kMaxValue; ++v)
                if (FitsTarget(s, t, g.cells[p], v)) goal.accepts[p] |= 1ULL << v;
        if (tilesCanMeet(goal, tiles) && reachableWithOneGap(s, t)) pz.goals.push_back(std::move(goal));
    }
    return pz;
}

void Puzzle::normalizeSlot(PlaceState& p) const {
    if (graph.pendoly && p.at[graph.slot] == kEmpty && graph.slotGoesAnywhereFree) p.slotCol = 0;
}

bool Puzzle::meets(const PlaceState& p, int g, uint64_t places) const {
    const std::vector<uint64_t>& accepts = goals[g].accepts;
    for (int f = 0; f < graph.fieldPlaces(); ++f)
        if ((places >> f & 1) && !(accepts[f] >> p.at[f] & 1)) return false;
    return true;
}

int Puzzle::goalMet(const PlaceState& p) const {
    for (int g = 0; g < static_cast<int>(goals.size()); ++g)
        if (meets(p, g, allField())) return g;
    return -1;
}

void Puzzle::steps(const PlaceState& p, std::vector<Step>& out) const {
    const MoveGraph& g = graph;
    const int count = g.placeCount();
    for (int h = 0; h < count; ++h) {
        if (p.at[h] != kEmpty || h == g.slot) continue;
        for (uint8_t a : g.slideFrom[h])
            if (p.at[a] != kEmpty) out.push_back({SearchStepKind::Slide, a, static_cast<uint8_t>(h)});
    }
    if (!g.pendoly) return;
    const int n = g.n;
    if (p.at[g.slot] == kEmpty) {
        for (int c = 1; c <= n; ++c) {
            const int below = fieldPlace(1, c);
            const bool slotThere = p.slotCol == 0 || p.slotCol == c;
            if (g.liftAt[c] && slotThere && p.at[below] != kEmpty)
                out.push_back({SearchStepKind::Lift, static_cast<uint8_t>(below), static_cast<uint8_t>(c)});
        }
    } else {
        const int c = p.slotCol;
        const int below = fieldPlace(1, c);
        if (g.dropAt[c] && p.at[below] == kEmpty)
            out.push_back({SearchStepKind::Drop, static_cast<uint8_t>(c), static_cast<uint8_t>(below)});
        for (int d = 1; d <= n; ++d)
            if (d != c && g.carry[c][d])
                out.push_back({SearchStepKind::Carry, static_cast<uint8_t>(c), static_cast<uint8_t>(d)});
    }
    for (size_t r = 0; r < g.rotations.size(); ++r) out.push_back({SearchStepKind::Rotate, static_cast<uint8_t>(r), 0});
}

void Puzzle::apply(PlaceState& p, const Step& s) const {
    switch (s.kind) {
    case SearchStepKind::Slide:
        p.at[s.b] = p.at[s.a];
        p.at[s.a] = kEmpty;
        break;
    case SearchStepKind::Lift:
        p.at[graph.slot] = p.at[s.a];
        p.at[s.a] = kEmpty;
        p.slotCol = s.b;
        break;
    case SearchStepKind::Drop:
        p.at[s.b] = p.at[graph.slot];
        p.at[graph.slot] = kEmpty;
        normalizeSlot(p);
        break;
    case SearchStepKind::Carry:
        p.slotCol = s.b;
        break;
    case SearchStepKind::Rotate: {
        const std::vector<uint8_t>& to = graph.rotations[s.a].to;
        PlaceState before = p;
        for (int f = 0; f < graph.fieldPlaces(); ++f) p.at[to[f]] = before.at[f];
        break;
    }
    }
}

Step Puzzle::inverse(const Step& s) const {
    switch (s.kind) {
    case SearchStepKind::Slide: return {SearchStepKind::Slide, s.b, s.a};
    case SearchStepKind::Lift: return {SearchStepKind::Drop, s.b, s.a};
    case SearchStepKind::Drop: return {SearchStepKind::Lift, s.b, s.a};
    case SearchStepKind::Carry: return {SearchStepKind::Carry, s.b, s.a};
    case SearchStepKind::Rotate: {
        const RowRotation& r = graph.rotations[s.a];
        for (size_t k = 0; k < graph.rotations.size(); ++k)
            if (graph.rotations[k].row == r.row && graph.rotations[k].rightwards != r.rightwards)
                return {SearchStepKind::Rotate, static_cast<uint8_t>(k), 0};
        return s;
    }
    }
    return s;
}
