// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/Targets.h"
#include "play/GameModes.h"

namespace {

// Cell (i, j)'s position 1..N² when the field is read row by row or column by column.
int positionIn(TargetForm form, Cell cell, int n) {
    return form == TargetForm::ColumnWise ? (cell.col - 1) * n + cell.row
                                          : (cell.row - 1) * n + cell.col;
}

int entryOf(const std::vector<int>& colours, int i) {
    return i >= 0 && i < static_cast<int>(colours.size()) ? colours[static_cast<size_t>(i)] : 0;
}

bool formOpen(const GameState& s, TargetForm form) {
    // The stage says which form is still to be reached: 1 the row-wise, 2 the column-wise.
    if (form == TargetForm::RowWise) return s.rearrangePhase != 2;
    return s.rearrangePhase != 1;
}

quint32 mapColourAt(const GameState& s, Cell cell, bool* found) {
    const MapShape* shape = s.targetMap.shapeAt(cell.row, cell.col);
    *found = shape != nullptr;
    return shape ? shape->fillColour : 0;
}

} // namespace

std::vector<Target> OpenTargets(const GameState& s) {
    if (playsToTargetMap(s)) return {Target{TargetForm::Map, NumberOrder::Ascending}};
    std::vector<Target> targets;
    for (TargetForm form : {TargetForm::RowWise, TargetForm::ColumnWise}) {
        if (!formOpen(s, form)) continue;
        if (s.gameType != GameType::NumberSequence) {
            targets.push_back({form, NumberOrder::Ascending});
            continue;
        }
        if (s.ascendingOpen) targets.push_back({form, NumberOrder::Ascending});
        if (s.descendingOpen) targets.push_back({form, NumberOrder::Descending});
    }
    return targets;
}

int WantedValue(const GameState& s, const Target& t, Cell cell) {
    const int n = s.N();
    if (t.form == TargetForm::Map) {
        bool found = false;
        const quint32 colour = mapColourAt(s, cell, &found);
        for (int v = 1; found && v <= 6; ++v)
            if (s.tileColours[static_cast<size_t>(v)] == colour) return v;
        return 0;
    }
    const int m = positionIn(t.form, cell, n);
    switch (s.gameType) {
    case GameType::NumberSequence:
        return t.order == NumberOrder::Ascending ? m : n * n + 1 - m;
    case GameType::Diagonal:
        return s.targetPatterns[static_cast<size_t>(m)][t.form == TargetForm::ColumnWise ? 1 : 0];
    case GameType::RandomColours:
        return t.form == TargetForm::ColumnWise ? entryOf(s.colColours, cell.col)
                                                : entryOf(s.rowColours, cell.row);
    default:
        return 0;   // a type without such a form: no tile fits
    }
}

bool FitsTarget(const GameState& s, const Target& t, Cell cell, int value) {
    if (t.form != TargetForm::Map) {
        const int wanted = WantedValue(s, t, cell);
        return wanted != 0 && value == wanted;
    }
    // A map compares colours, not indices: the tile's colour must be the cell's.
    bool found = false;
    const quint32 colour = mapColourAt(s, cell, &found);
    return found && value >= 0 && value < static_cast<int>(s.tileColours.size()) &&
           s.tileColours[static_cast<size_t>(value)] == colour;
}

bool FieldMatches(const GameState& s, const Target& t) {
    const int n = s.N();
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (!FitsTarget(s, t, {i, j}, s.board.value({i, j}))) return false;
    return true;
}
