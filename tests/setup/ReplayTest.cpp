// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The replay of a finished game: it reaches the board and the step count the game
// ended with, steps back and forth while paused, changes its pace, and leaves the
// window as it found it.
#include "RecordFixture.h"
#include "play/GameModes.h"
#include "play/KeyboardInput.h"
#include "setup/GameTypes.h"
#include "setup/Replay.h"
#include <gtest/gtest.h>

namespace {

std::vector<int> BoardValues(const GameState& s) {
    std::vector<int> values;
    for (int r = 0; r <= s.board.borderIdx(); ++r)
        for (int q = 0; q <= s.board.borderIdx(); ++q) values.push_back(s.board.value({r, q}));
    return values;
}

// 4 x 4 numbers in order, the cell below the last column open.
GameStart Ordered(bool rearrangement = false) {
    GameStart start;
    start.n = 4;
    start.type = StartType::Numbers;
    start.rearrangement = rearrangement;
    for (int v = 1; v <= 16; ++v) start.field.push_back(v);
    const std::vector<Cell> ring = OpenableRingCells(4);
    start.openRing = quint32{1} << (std::find(ring.begin(), ring.end(), Cell{5, 4}) - ring.begin());
    return start;
}

// A game that wanders off and comes back, with a take-back on the way: six steps,
// four of them counted in the end.
void PlayAndSolve(RecordedGame& g) {
    g.rules.Play(Move::slide({4, 4}, {5, 4}));
    g.rules.Play(Move::slide({4, 3}, {4, 4}));
    g.rules.Play(Move::slide({3, 3}, {4, 3}));
    g.rules.TakeBack();
    g.rules.Play(Move::slide({4, 4}, {4, 3}));
    g.rules.Play(Move::slide({5, 4}, {4, 4}));
}

struct ReplayFixture {
    explicit ReplayFixture(const GameStart& start) : game(start) {}
    // Lets `ms` pass, looked at every 50 ms as the window's timer does.
    void wait(qint64 ms) {
        for (; ms > 0; ms -= 50) {
            game.fp.clock.advance(std::min<qint64>(ms, 50));
            replay.tick(game.fp.clock.monotonicMs());
        }
    }
    RecordedGame game;
    Replay replay{game.s, game.fp.platform};
};

TEST(Replay, ReachesTheFinalBoardAndCountAndLeavesTheWindowAsItWas) {
    ReplayFixture f(Ordered());
    PlayAndSolve(f.game);
    GameState& s = f.game.s;
    ASSERT_EQ(s.phase, GamePhase::Finished);
    ASSERT_EQ(s.stepCount, 4);
    const GameRecord record = s.record;
    ASSERT_EQ(record.steps.size(), 6u);
    const std::vector<int> finalBoard = BoardValues(s);
    f.game.s.panel.neve.caption = QStringLiteral("Anna");   // a name being typed

    // Another size and type on show meanwhile: the replay sets the game's own up.
    ASSERT_TRUE(f.replay.start(record));
    EXPECT_EQ(s.phase, GamePhase::Replay);
    EXPECT_EQ(s.N(), 4);
    EXPECT_TRUE(s.panel.demo_szov.visible);
    EXPECT_EQ(BoardValues(s)[5 * 6 + 4], kEmpty);   // the start's open cell
    const size_t messages = f.game.fp.messageBox.shown.size();
    const int soundsBefore = static_cast<int>(f.game.fp.sound.commands.count(QStringLiteral("play")));

    f.wait(499);
    EXPECT_EQ(f.replay.played(), 0);
    f.wait(1);
    EXPECT_EQ(f.replay.played(), 1);
    EXPECT_EQ(s.stepCount, 1);
    f.wait(5 * 500);
    EXPECT_EQ(f.replay.played(), 6);
    EXPECT_EQ(BoardValues(s), finalBoard);   // the ring closed, as the game's end closed it
    EXPECT_EQ(s.stepCount, 4);
    EXPECT_EQ(s.panel.Lszm.caption, QStringLiteral("4"));
    // No end of a game, no message, no record: the end of a replay only waits.
    EXPECT_EQ(f.game.fp.messageBox.shown.size(), messages);
    EXPECT_EQ(s.phase, GamePhase::Replay);
    EXPECT_TRUE(f.replay.paused());
    EXPECT_EQ(static_cast<int>(f.game.fp.sound.commands.count(QStringLiteral("play"))), soundsBefore + 6);   // five moves and the take-back

    EXPECT_TRUE(f.replay.key(KeyCode::Escape));
    EXPECT_FALSE(f.replay.active());
    EXPECT_EQ(s.phase, GamePhase::Finished);
    EXPECT_EQ(s.panel.neve.caption, QStringLiteral("Anna"));
    EXPECT_TRUE(s.panel.neve.visible);
    EXPECT_FALSE(s.panel.demo_szov.visible);
    EXPECT_EQ(s.record, record);
}

TEST(Replay, PausedItStepsBothWaysAndItsPaceChanges) {
    ReplayFixture f(Ordered());
    PlayAndSolve(f.game);
    const GameRecord record = f.game.s.record;
    GameState& s = f.game.s;
    ASSERT_TRUE(f.replay.start(record));
    const std::vector<int> start = BoardValues(s);
    f.wait(1000);
    ASSERT_EQ(f.replay.played(), 2);
    const std::vector<int> afterTwo = BoardValues(s);

    f.replay.key(KeyCode::Space);
    f.wait(3000);
    EXPECT_EQ(f.replay.played(), 2) << "paused, it stands";
    f.replay.key(KeyCode::Right);
    f.replay.key(KeyCode::Right);   // the third step and the take-back
    EXPECT_EQ(f.replay.played(), 4);
    EXPECT_EQ(BoardValues(s), afterTwo);
    EXPECT_EQ(s.stepCount, 2);
    f.replay.key(KeyCode::Left);
    EXPECT_EQ(f.replay.played(), 3);
    EXPECT_EQ(s.stepCount, 3);
    for (int i = 0; i < 5; ++i) f.replay.key(KeyCode::Left);
    EXPECT_EQ(f.replay.played(), 0);
    EXPECT_EQ(BoardValues(s), start);
    EXPECT_EQ(s.stepCount, 0);

    f.replay.key(KeyCode::Up);   // twice the pace: a step every 250 ms
    f.replay.key(KeyCode::Space);
    f.wait(250);
    EXPECT_EQ(f.replay.played(), 1);
    f.replay.key(KeyCode::Down);
    f.replay.key(KeyCode::Down);   // half the first pace: every 1000 ms
    f.wait(999);
    EXPECT_EQ(f.replay.played(), 1);
    f.wait(1);
    EXPECT_EQ(f.replay.played(), 2);
    // Keys of the game do nothing to the board while it replays.
    const std::vector<int> now = BoardValues(s);
    f.replay.key(KeyCode::Delete);
    EXPECT_EQ(BoardValues(s), now);
}

TEST(Replay, ShowsTheRingAsTheGameHadItAcrossTheStages) {
    ReplayFixture f(Ordered(true));
    GameState& s = f.game.s;
    f.game.rules.Play(Move::slide({4, 4}, {5, 4}));
    f.game.rules.Play(Move::slide({5, 4}, {4, 4}));
    ASSERT_TRUE(pausedAtFirstTarget(s));
    f.game.clickCell({5, 1});
    f.game.clickCell({0, 1});
    f.game.flow.folytat_Click();
    f.game.rules.Play(Move::slide({4, 1}, {5, 1}));
    f.game.rules.Play(Move::slide({5, 1}, {4, 1}));
    // The game is given up here; the replay plays what was recorded up to now.
    const GameRecord record = s.record;
    const std::vector<int> reached = BoardValues(s);
    RestoreSetupControls(s);
    ASSERT_TRUE(f.replay.start(record, false));
    f.wait(3 * 500);
    EXPECT_EQ(f.replay.played(), 3);   // two moves and the pause
    EXPECT_EQ(s.board.value({5, 4}), kWall);
    f.wait(500);
    EXPECT_EQ(s.board.value({5, 1}), kEmpty);
    EXPECT_EQ(s.board.value({0, 1}), kEmpty);
    f.wait(2 * 500);
    EXPECT_EQ(BoardValues(s), reached);
}

TEST(Replay, NeverOverAGameUnderWay) {
    ReplayFixture f(Ordered());
    PlayAndSolve(f.game);
    const GameRecord record = f.game.s.record;
    ReplayFixture playing(Ordered());
    EXPECT_FALSE(playing.replay.canStart());
    EXPECT_FALSE(playing.replay.start(record));
    EXPECT_EQ(playing.game.s.phase, GamePhase::Playing);
}

} // namespace
