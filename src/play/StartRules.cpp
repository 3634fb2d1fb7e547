// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/StartRules.h"
#include "play/Targets.h"
#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace {

// The cells of the whole board whose value satisfies `wanted`.
template <typename Predicate> std::vector<Cell> cellsWhere(const Board& b, Predicate wanted) {
    std::vector<Cell> cells;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int q = 0; q <= b.borderIdx(); ++q)
            if (wanted(Cell{r, q}, b.value({r, q}))) cells.push_back({r, q});
    return cells;
}

std::vector<int> wantedValues(const GameState& s, const Target& t) {
    std::vector<int> values;
    for (int p = 1; p <= s.board.cellCount(); ++p) values.push_back(WantedValue(s, t, s.board.fieldCell(p)));
    return values;
}

// The one open ring cell, the field cell beside it, and the tile that will stand
// there at the end: the tile in the ring cell, or else the one beside it.
struct OneGap {
    Cell beside;
    int tile = 0;
    // The field read row by row with that tile put where the empty cell is, and how
    // far the empty cell has to travel to the cell beside the ring cell: each step of
    // the way is one exchange more.
    std::vector<int> field;
    int distance = 0;
};

std::optional<OneGap> oneGapOf(const GameState& s) {
    const Board& b = s.board;
    const std::vector<Cell> open =
        cellsWhere(b, [&b](Cell c, int value) { return b.isRing(c) && value != kWall; });
    const std::vector<Cell> empty = cellsWhere(b, [](Cell, int value) { return value == kEmpty; });
    if (open.size() != 1 || empty.size() != 1) return std::nullopt;
    const int n = s.N();
    const Cell ring = open.front();
    OneGap gap;
    gap.beside = {std::clamp(ring.row, 1, n), std::clamp(ring.col, 1, n)};
    const Cell hole = empty.front();
    const bool tileInRing = hole != ring;
    gap.tile = b.value(tileInRing ? ring : gap.beside);
    if (tileInRing && !b.isField(hole)) return std::nullopt;
    for (int p = 1; p <= b.cellCount(); ++p) {
        const Cell cell = b.fieldCell(p);
        gap.field.push_back(cell == hole ? gap.tile : b.value(cell));
    }
    if (tileInRing) gap.distance = std::abs(hole.row - gap.beside.row) + std::abs(hole.col - gap.beside.col);
    return gap;
}

} // namespace

std::optional<bool> EvenPermutationBetween(const std::vector<int>& field, const std::vector<int>& wanted) {
    if (field.size() != wanted.size()) return std::nullopt;
    std::unordered_map<int, size_t> placeOf;   // where each value is wanted
    for (size_t q = 0; q < wanted.size(); ++q)
        if (!placeOf.emplace(wanted[q], q).second) return std::nullopt;
    std::vector<size_t> to(field.size());
    std::vector<bool> taken(field.size(), false);
    for (size_t p = 0; p < field.size(); ++p) {
        const auto it = placeOf.find(field[p]);
        if (it == placeOf.end() || taken[it->second]) return std::nullopt;
        taken[it->second] = true;
        to[p] = it->second;
    }
    // A cycle of length L is L - 1 exchanges.
    size_t exchanges = 0;
    std::vector<bool> seen(field.size(), false);
    for (size_t start = 0; start < field.size(); ++start) {
        size_t length = 0;
        for (size_t p = start; !seen[p]; p = to[p]) {
            seen[p] = true;
            ++length;
        }
        if (length > 0) exchanges += length - 1;
    }
    return exchanges % 2 == 0;
}

OneGapRefusal OneGapStartRefusal(const GameState& s) {
    if (s.pendolyMode) return OneGapRefusal::None;
    const std::optional<OneGap> gap = oneGapOf(s);
    if (!gap) return OneGapRefusal::None;

    bool tileFits = false;
    for (const Target& t : OpenTargets(s)) {
        if (!FitsTarget(s, t, gap->beside, gap->tile)) continue;
        tileFits = true;
        if (s.gameType != GameType::NumberSequence || t.form == TargetForm::Map) return OneGapRefusal::None;
        // A board that is no permutation of 1..N² is not for this rule to judge.
        const std::optional<bool> even = EvenPermutationBetween(gap->field, wantedValues(s, t));
        if (!even || *even == (gap->distance % 2 == 0)) return OneGapRefusal::None;
    }
    return tileFits ? OneGapRefusal::OddArrangement : OneGapRefusal::TileBesideGapOutOfPlace;
}
