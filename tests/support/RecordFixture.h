// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Games to record: random sound starts of every type and mode, and a game set up from
// one on a board fixture, started by the start button and played with moves the rules
// allow, take-backs among them.
#include "BoardFixture.h"
#include "play/GameRecord.h"
#include "setup/StartSetUp.h"
#include <algorithm>
#include <random>

inline std::vector<int> ShuffledValues(std::vector<int> values, std::mt19937& rng) {
    std::shuffle(values.begin(), values.end(), rng);
    return values;
}

inline std::vector<int> Permutation(int n, std::mt19937& rng) {
    std::vector<int> values;
    for (int v = 1; v <= n; ++v) values.push_back(v);
    return ShuffledValues(values, rng);
}

// Each colour 1..n on n cells, in random places.
inline std::vector<int> ColourField(int n, std::mt19937& rng) {
    std::vector<int> values;
    for (int v = 1; v <= n; ++v) values.insert(values.end(), static_cast<size_t>(n), v);
    return ShuffledValues(values, rng);
}

// A sound start. Outside Pendoly mode `openCells` ring cells are open (two or more,
// so that no one-gap rule refuses the start).
inline GameStart RandomStart(int n, StartType type, bool pendoly, std::mt19937& rng, int openCells = 3) {
    GameStart start;
    start.n = n;
    start.pendoly = pendoly;
    start.type = type;
    start.field = type == StartType::Numbers ? Permutation(n * n, rng) : ColourField(n, rng);
    if (type == StartType::Diagonal || type == StartType::RandomColours) start.rowColours = Permutation(n, rng);
    if (type == StartType::RandomColours) start.colColours = Permutation(n, rng);
    if (playsToMap(type)) {
        const std::vector<int> map = ColourField(n, rng);
        size_t next = 0;
        for (int i = 0; i < n + 2; ++i)
            for (int j = 0; j < n + 2; ++j)
                start.targetMapText += (i == 0 || j == 0 || i == n + 1 || j == n + 1)
                                           ? QLatin1Char('7')
                                           : QChar(u'0' + map[next++]);
    }
    if (!pendoly) {
        const std::vector<int> order = ShuffledValues(Permutation(4 * n, rng), rng);
        for (int k = 0; k < openCells; ++k) start.openRing |= quint32{1} << (order[static_cast<size_t>(k)] - 1);
    }
    if (type == StartType::Stored) {
        start.storedGameNo = 3;
        start.storedGameName = QStringLiteral("Kert");
    }
    start.shuffleNo = type == StartType::RandomColours ? 7 : 0;
    return start;
}

// Every move the rules allow now: slides into empty neighbours, and in Pendoly mode
// the row rotations and the moves of the top slot.
inline std::vector<Move> LegalMoves(const GameState& s) {
    std::vector<Move> moves;
    const int far = s.N() + 1;
    for (int r = 0; r <= far; ++r) {
        for (int q = 0; q <= far; ++q) {
            for (Cell to : {Cell{r - 1, q}, Cell{r + 1, q}, Cell{r, q - 1}, Cell{r, q + 1}}) {
                const Move m = Move::slide({r, q}, to);
                if (CheckMove(s, m) == MoveRefusal::None) moves.push_back(m);
            }
        }
    }
    if (s.pendolyMode) {
        for (int r = 1; r <= s.N(); ++r) moves.push_back(Move::rotateRow(r, r % 2 == 0));
        for (int q = 1; q <= s.N(); ++q)
            if (CheckMove(s, Move::shiftSlot(s.slotCol, q)) == MoveRefusal::None) moves.push_back(Move::shiftSlot(s.slotCol, q));
    }
    return moves;
}

struct RecordedGame : BoardFixture {
    explicit RecordedGame(const GameStart& start) : BoardFixture(Type::Numbers, start.n) {
        PutStartOnWindow(s, fp.platform, start);
        flow.kezd_Click();
    }
    // `count` random allowed moves, about one in eight followed by a take-back; stops
    // when the game leaves play.
    void playRandomly(int count, unsigned seed) {
        std::mt19937 rng(seed);
        for (int i = 0; i < count && s.phase == GamePhase::Playing; ++i) {
            const std::vector<Move> moves = LegalMoves(s);
            if (moves.empty()) return;
            rules.Play(moves[rng() % moves.size()]);
            if (rng() % 8 == 0) rules.TakeBack();
        }
    }
};
