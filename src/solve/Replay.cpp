// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solve/Replay.h"

namespace {

// The game's moves for one compact step, given where the slot stands now.
std::vector<Move> gameMovesOf(const Puzzle& pz, const Step& step, int slotCol) {
    const MoveGraph& g = pz.graph;
    switch (step.kind) {
    case SearchStepKind::Slide:
        return {Move::slide(g.cells[step.a], g.cells[step.b])};
    case SearchStepKind::Lift: {
        const int col = step.b;
        std::vector<Move> moves;
        if (slotCol != col) moves.push_back(Move::shiftSlot(slotCol, col));   // empty: free
        moves.push_back(Move::slide({1, col}, {0, col}));
        return moves;
    }
    case SearchStepKind::Drop:
        return {Move::slide({0, step.a}, g.cells[step.b])};
    case SearchStepKind::Carry:
        return {Move::shiftSlot(step.a, step.b)};
    case SearchStepKind::Rotate: {
        const RowRotation& r = g.rotations[step.a];
        return {Move::rotateRow(r.row, r.rightwards)};
    }
    }
    return {};
}

} // namespace

bool GameAcceptsField(const GameState& s) {
    for (const Target& t : OpenTargets(s))
        if (FieldMatches(s, t)) return true;
    return false;
}

std::optional<Solution> ReplayThroughRules(const GameState& s, const Puzzle& pz, const std::vector<Step>& steps) {
    GameState play = s;
    Solution solution;
    if (GameAcceptsField(play)) return solution;
    for (const Step& step : steps) {
        for (const Move& move : gameMovesOf(pz, step, play.slotCol)) {
            const MoveResult result = ApplyMove(play, move);
            if (!result.applied()) return std::nullopt;
            solution.moves.push_back(move);
            if (!result.step) continue;
            ++solution.steps;
            if (GameAcceptsField(play)) return solution;
        }
    }
    return std::nullopt;
}

std::optional<int> CheckSolution(const GameState& s, const std::vector<Move>& moves) {
    GameState play = s;
    int steps = 0;
    for (const Move& move : moves) {
        if (move.kind == MoveKind::Exchange) return std::nullopt;   // set-up only, never a play
        const MoveResult result = ApplyMove(play, move);
        if (!result.applied()) return std::nullopt;
        if (result.step) ++steps;
    }
    if (!GameAcceptsField(play)) return std::nullopt;
    return steps;
}
