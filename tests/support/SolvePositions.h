// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Positions for the solver's tests, made the game's way: type and size chosen with
// their handlers, the field laid out as the first target the end-of-game check
// accepts, ring cells opened by the set-up click, the game started with the start
// button, then scrambled by random moves the rules allow. And the moves of a position,
// all of them, as the rules allow them: what an exhaustive search walks.
#include "BoardFixture.h"
#include "play/DiagonalTargets.h"
#include "play/Move.h"
#include "play/Targets.h"
#include "setup/GameTypes.h"
#include <optional>
#include <random>
#include <vector>

enum class SolveType { Numbers, Diagonal, RowsOrColumns, Map };

// Every move the rules allow on `s`: slides between neighbours, row rotations, slot moves.
inline std::vector<Move> AllowedMoves(const GameState& s) {
    std::vector<Move> moves;
    const int far = s.N() + 1;
    for (int r = 0; r <= far; ++r)
        for (int q = 0; q <= far; ++q)
            for (Cell to : {Cell{r - 1, q}, Cell{r + 1, q}, Cell{r, q - 1}, Cell{r, q + 1}})
                if (CheckMove(s, Move::slide({r, q}, to)) == MoveRefusal::None) moves.push_back(Move::slide({r, q}, to));
    for (int r = 0; r <= far; ++r)
        for (bool right : {false, true})
            if (CheckMove(s, Move::rotateRow(r, right)) == MoveRefusal::None) moves.push_back(Move::rotateRow(r, right));
    for (int a = 0; a <= far; ++a)
        for (int b = 0; b <= far; ++b)
            if (CheckMove(s, Move::shiftSlot(a, b)) == MoveRefusal::None) moves.push_back(Move::shiftSlot(a, b));
    return moves;
}

// Whether the end-of-game check accepts the field.
inline bool FieldAccepted(const GameState& s) {
    for (const Target& t : OpenTargets(s))
        if (FieldMatches(s, t)) return true;
    return false;
}

// A game of `type` on n x n just started with the field solved and the ring cells
// `open` opened (the Pendoly mode opens its slot itself). A rearrangement stage 1 or 2
// leaves only the row-wise or the column-wise form open, and the field is laid out
// as that form.
inline GameState SolvedStart(SolveType type, int n, const std::vector<Cell>& open, bool pendoly,
                             int rearrangePhase = 0) {
    const BoardFixture::Type fixtureType = type == SolveType::Numbers    ? BoardFixture::Type::Numbers
                                           : type == SolveType::Diagonal ? BoardFixture::Type::Diagonal
                                                                         : BoardFixture::Type::RandomColours;
    BoardFixture f(fixtureType, n);
    if (type == SolveType::Map) vminta_Click(f.s, f.fp.platform);
    if (type == SolveType::Diagonal) BuildDiagonalTargets(f.s);
    if (pendoly) babilon_Click(f.s);
    const Target first = OpenTargets(f.s).front();
    for (int p = 1; p <= n * n; ++p) {
        const Cell c = f.s.board.fieldCell(p);
        f.s.board.set(c, WantedValue(f.s, first, c), p);
    }
    for (Cell c : open) f.clickCell(c);
    f.flow.kezd_Click();
    f.s.rearrangePhase = rearrangePhase;
    const Target left = OpenTargets(f.s).front();
    for (int p = 1; p <= n * n; ++p) f.s.board.setValue(f.s.board.fieldCell(p), WantedValue(f.s, left, f.s.board.fieldCell(p)));
    return f.s;
}

// `moves` random moves the rules allow, never one straight back.
inline void Scramble(GameState& s, int moves, unsigned seed) {
    std::mt19937 random(seed);
    std::optional<Move> last;
    for (int made = 0; made < moves;) {
        std::vector<Move> allowed = AllowedMoves(s);
        if (last) std::erase(allowed, last->inverse());
        if (allowed.empty()) return;
        const Move move = allowed[random() % allowed.size()];
        if (ApplyMove(s, move).step) ++made;
        last = move;
    }
}
