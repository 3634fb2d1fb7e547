// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A move and the save of the continue file that follows it, on a 6 x 6 board with
// 10 000 moves already made: the whole record through the scratch file, flushed to the
// disk and renamed, as after every step of a game. The budget is one frame, 16 ms.
// Also the parts: building the record and encoding it, and playing the record back
// when a kept game is continued.
#include "play/GameFlow.h"
#include "play/GameState.h"
#include "play/MoveRules.h"
#include "setup/ContinueFile.h"
#include "setup/GameRestore.h"
#include "setup/StartSetUp.h"
#include "ui/QuietPlatform.h"
#include "ui/SystemClock.h"
#include "ui/SystemRandom.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <random>

namespace {

constexpr int kMovesMade = 10'000;

// A 6 x 6 number game from a shuffled start with three open ring cells, played at
// random. The start is put on the board as a code or a continued game puts it, so the
// record holds a start the game continues; ring cells emptied by hand on a board that
// never went through the set-up make a start that continuing rightly refuses.
struct LongGame {
    SystemClock clock;
    SystemRandom random;
    QuietPlatform quiet{clock, random};
    GameState s;
    MoveRules rules{s};
    GameFlow flow{s, quiet.get(), rules};
    std::mt19937 rng{7};
    // On the disk the player's folder is on, not in memory: the flush must reach it.
    QTemporaryDir dir{QDir::current().filePath(QStringLiteral("continue-bench-XXXXXX"))};
    QDir folder{dir.path()};

    LongGame() {
        GameStart start;
        start.n = 6;
        start.type = StartType::Numbers;
        for (int v = 1; v <= 36; ++v) start.field.push_back(v);
        std::shuffle(start.field.begin(), start.field.end(), rng);
        start.openRing = 0b1001 | (quint32{1} << 17);
        PutStartOnWindow(s, quiet.get(), start);
        flow.kezd_Click();
        for (int i = 0; i < kMovesMade && inPlay(); ++i) playOne();
    }

    bool inPlay() const { return s.phase == GamePhase::Playing && s.record.recording; }

    // A slide into an empty cell, chosen at random among those the rules allow.
    void playOne() {
        std::vector<Move> moves;
        const int far = s.N() + 1;
        for (int r = 0; r <= far; ++r)
            for (int q = 0; q <= far; ++q)
                if (s.board.value({r, q}) == kEmpty)
                    for (Cell from : {Cell{r - 1, q}, Cell{r + 1, q}, Cell{r, q - 1}, Cell{r, q + 1}})
                        if (CheckMove(s, Move::slide(from, {r, q})) == MoveRefusal::None)
                            moves.push_back(Move::slide(from, {r, q}));
        rules.Play(moves[rng() % moves.size()]);
    }
};

LongGame& Game() {
    static LongGame game;
    return game;
}

// False, with the reason on `state`, when the game is not the long game under way.
bool LongGameInPlay(benchmark::State& state, const LongGame& g) {
    if (g.inPlay() && g.s.record.steps.size() >= size_t{kMovesMade}) return true;
    state.SkipWithError("the long game is not under way");
    return false;
}

void BM_MoveAndSave(benchmark::State& state) {
    LongGame& g = Game();
    if (!LongGameInPlay(state, g)) return;
    for (auto _ : state) {
        g.playOne();
        if (!WriteContinueFile(g.folder, SavedGameOf(g.s, g.clock.monotonicMs())))
            state.SkipWithError("the continue file was not written");
    }
    state.counters["steps"] = static_cast<double>(g.s.record.steps.size());
}
BENCHMARK(BM_MoveAndSave)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_MoveAndEncode(benchmark::State& state) {
    LongGame& g = Game();
    if (!LongGameInPlay(state, g)) return;
    for (auto _ : state) {
        g.playOne();
        benchmark::DoNotOptimize(EncodeSavedGame(SavedGameOf(g.s, g.clock.monotonicMs())));
    }
}
BENCHMARK(BM_MoveAndEncode)->Unit(benchmark::kMillisecond)->Iterations(200);

// Continuing the kept game at start-up: every step played again and checked.
void BM_ContinueLongGame(benchmark::State& state) {
    LongGame& g = Game();
    if (!LongGameInPlay(state, g)) return;
    const SavedGame saved = SavedGameOf(g.s, g.clock.monotonicMs());
    for (auto _ : state) {
        GameState fresh;
        if (!RestoreSavedGame(fresh, g.quiet.get(), saved) || fresh.stepCount != saved.stepCount) state.SkipWithError("the game did not continue");
    }
}
BENCHMARK(BM_ContinueLongGame)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
