// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one-open-cell rule on the largest board, the way the start button and the
// solver's hopeless-position answer ask it: a 6 x 6 number board whose tile beside the
// gap suits the row-wise and the column-wise order, the first out of reach and the
// second not, so both orders are read and both parities counted.
#include "play/GameState.h"
#include "play/PanelControls.h"
#include "play/StartRules.h"
#include <benchmark/benchmark.h>

namespace {

// 6 x 6, ascending row by row with two tiles exchanged (an odd order, so the column-wise
// one is even), and the ring cell above tile 1 open.
GameState ExchangedSixBySix() {
    GameState s;
    SetDesignVisibility(s.panel);   // no target map on show
    s.board.resize(6);
    s.gameType = GameType::NumberSequence;
    const int far = s.board.borderIdx();
    for (int r = 0; r <= far; ++r)
        for (int q = 0; q <= far; ++q)
            if (s.board.isRing({r, q})) s.board.setValue({r, q}, kWall);
    for (int p = 1; p <= s.board.cellCount(); ++p) s.board.set(s.board.fieldCell(p), p, p);
    s.board.setValue({3, 3}, 17);
    s.board.setValue({3, 5}, 15);
    s.board.setValue({0, 1}, kEmpty);
    return s;
}

void BM_OneGapStartRefusal(benchmark::State& state) {
    const GameState s = ExchangedSixBySix();
    if (OneGapStartRefusal(s) != OneGapRefusal::None) state.SkipWithError("the board was refused");
    for (auto _ : state) benchmark::DoNotOptimize(OneGapStartRefusal(s));
}
BENCHMARK(BM_OneGapStartRefusal);

} // namespace
