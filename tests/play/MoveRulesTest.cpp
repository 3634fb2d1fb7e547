#include "FakePlatform.h"
#include "play/MoveRules.h"
#include "play/TileGeometry.h"
#include "presentation/BoardLayout.h"
#include <gtest/gtest.h>

namespace {

// A built N x N number board laid out 1..N² in order (no shuffle), so tests can
// name tiles by number and open holes where they need them.
struct MoveFixture {
    explicit MoveFixture(int n = 4, bool pendoly = false) {
        s.panel.szamsor.checked = true;
        s.pendolyMode = pendoly;
        BuildBoard(s, fp.random, n + 2);
        for (int p = 1; p <= n * n; ++p) {
            const Cell c = s.board.fieldCell(p);
            s.board.set(c, p, p);
            PlaceTileControls(s, p, p, c);
        }
        moves.setCheckSolved([this] { ++checks; });
    }
    // Empties a field cell, as if its tile had been taken out.
    void makeHole(Cell c) { s.board.set(c, kEmpty, 0); }
    int value(int r, int c) const { return s.board.value({r, c}); }

    FakePlatform fp;
    GameState s;
    MoveRules moves{s, fp.platform};
    int checks = 0;
};

TEST(MoveTile, SlidesCountsRecordsAndChecks) {
    MoveFixture f;
    f.makeHole({1, 2});
    f.moves.MoveTile({1, 1}, {1, 2});
    EXPECT_EQ(f.value(1, 2), 1);
    EXPECT_EQ(f.s.board.ctl({1, 2}), 1);
    EXPECT_EQ(f.value(1, 1), kEmpty);
    EXPECT_EQ(f.s.board.ctl({1, 1}), 0);
    EXPECT_EQ(f.s.controls.tiles[1].left, f.s.cellSize * 2 + 35);
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_EQ(f.s.panel.Lszm.caption, "1");
    EXPECT_EQ(f.s.moveHistory[0].field, (std::array<int, 4>{1, 1, 1, 2}));
    EXPECT_EQ(f.checks, 1);
    EXPECT_EQ(f.fp.sound.commands, (QStringList{"prev", "play"}));
}

TEST(MoveTile, SilentWithSoundOffAndUncountedWhenCountingIsOff) {
    MoveFixture f;
    f.s.soundOn = false;
    f.s.countSteps = false;
    f.makeHole({2, 1});
    f.moves.MoveTile({1, 1}, {2, 1});
    EXPECT_EQ(f.value(2, 1), 1);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_TRUE(f.s.moveHistory[0].empty());
    EXPECT_EQ(f.checks, 1);
    EXPECT_TRUE(f.fp.sound.commands.isEmpty());
}

TEST(MoveTile, PendolyRefusesSidewaysMovesInTheField) {
    MoveFixture f(4, true);
    f.makeHole({2, 2});
    f.moves.MoveTile({2, 1}, {2, 2});
    EXPECT_EQ(f.value(2, 2), kEmpty);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(f.checks, 0);
    f.moves.MoveTile({1, 2}, {2, 2}); // up and down still works
    EXPECT_EQ(f.value(2, 2), 2);
}

TEST(TakeBack, UndoesTwoMovesThenNothing) {
    MoveFixture f;
    f.makeHole({4, 4});
    f.moves.MoveTile({4, 3}, {4, 4});
    f.moves.MoveTile({3, 3}, {4, 3});
    f.moves.TakeBack();
    EXPECT_EQ(f.value(3, 3), 11);
    EXPECT_EQ(f.value(4, 3), kEmpty);
    f.moves.TakeBack();
    EXPECT_EQ(f.value(4, 3), 15);
    EXPECT_EQ(f.value(4, 4), kEmpty);
    EXPECT_EQ(f.s.controls.tiles[15].left, f.s.cellSize * 3 + 35);
    EXPECT_EQ(f.s.stepCount, 0);
    f.moves.TakeBack();
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(f.value(4, 3), 15);
    EXPECT_EQ(f.s.panel.Lszm.caption, "0");
}

TEST(TakeBack, EmptyHistoryAfterStartDoesNothing) {
    MoveFixture f;
    f.moves.TakeBack();
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_TRUE(f.fp.sound.commands.isEmpty());
}

TEST(BorderMove, RotatesRowsBothWaysWithTheHole) {
    MoveFixture f(4, true);
    f.makeHole({2, 2});
    f.moves.BorderMove({2, 5}); // right side: the row moves right, column 4 wraps to 1
    EXPECT_EQ(f.value(2, 1), 8);
    EXPECT_EQ(f.value(2, 2), 5);
    EXPECT_EQ(f.value(2, 3), kEmpty);
    EXPECT_EQ(f.value(2, 4), 7);
    EXPECT_EQ(f.s.controls.tiles[8].left, f.s.cellSize * 1 + 35);
    EXPECT_EQ(f.s.moveHistory[0].field, (std::array<int, 4>{99, 2, 5, 0}));
    EXPECT_EQ(f.s.stepCount, 1);
    f.moves.BorderMove({2, 0}); // left side moves it back
    EXPECT_EQ(f.value(2, 1), 5);
    EXPECT_EQ(f.value(2, 2), kEmpty);
    EXPECT_EQ(f.value(2, 4), 8);
    EXPECT_EQ(f.s.controls.tiles[8].left, f.s.cellSize * 4 + 35);
    EXPECT_EQ(f.checks, 2);
}

TEST(BorderMove, TakeBackOfARotationRotatesBack) {
    MoveFixture f(5, true);
    f.moves.BorderMove({3, 0});
    EXPECT_EQ(f.value(3, 5), 11);
    f.moves.TakeBack();
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(f.value(3, c), 10 + c);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_TRUE(f.s.moveHistory[0].empty());
}

// In Pendoly mode the top ring row holds one open cell at `slotCol`.
static void openSlot(MoveFixture& f, int col) {
    f.s.slotCol = col;
    f.s.board.setValue({0, col}, kEmpty);
    f.s.controls.walls[col + 1].visible = false;
}

TEST(BorderMove, TopSlotWrapsAndIgnoresItsOwnColumn) {
    struct Case {
        int slot;
        int clicked;
        int expected;
    };
    const Case cases[] = {{4, 5, 1}, {1, 0, 4}, {2, 5, 3}, {3, 0, 2}, {1, 3, 3}, {2, 2, 2}};
    for (const Case& c : cases) {
        MoveFixture f(4, true);
        openSlot(f, c.slot);
        f.moves.BorderMove({0, c.clicked});
        EXPECT_EQ(f.s.slotCol, c.expected) << c.slot << "->" << c.clicked;
        EXPECT_EQ(f.value(0, c.expected), kEmpty);
        EXPECT_FALSE(f.s.controls.walls[c.expected + 1].visible);
        if (c.expected != c.slot) {
            EXPECT_EQ(f.value(0, c.slot), kWall);
            EXPECT_TRUE(f.s.controls.walls[c.slot + 1].visible);
        }
        EXPECT_EQ(f.s.stepCount, 0); // an empty slot moves for free
    }
}

TEST(BorderMove, CarriedTileCountsOneStepAndTakesBack) {
    MoveFixture f(4, true);
    openSlot(f, 2);
    f.moves.MoveTile({1, 2}, {0, 2}); // tile 2 up into the slot
    ASSERT_EQ(f.s.stepCount, 1);
    f.moves.BorderMove({0, 4});
    EXPECT_EQ(f.s.stepCount, 2);
    EXPECT_EQ(f.value(0, 4), 2);
    EXPECT_EQ(f.value(0, 2), kWall);
    EXPECT_EQ(f.s.slotCol, 4);
    EXPECT_EQ(f.s.controls.tiles[2].left, f.s.cellSize * 4 + 35);
    EXPECT_EQ(f.s.moveHistory[0].field, (std::array<int, 4>{99, 0, 2, 0}));
    EXPECT_TRUE(f.s.countSteps);
    f.moves.TakeBack();
    EXPECT_EQ(f.s.slotCol, 2);
    EXPECT_EQ(f.value(0, 2), 2);
    EXPECT_EQ(f.value(0, 4), kWall);
    EXPECT_EQ(f.s.stepCount, 1);
    f.moves.TakeBack(); // and the tile goes back down
    EXPECT_EQ(f.value(1, 2), 2);
    EXPECT_EQ(f.value(0, 2), kEmpty);
    EXPECT_EQ(f.s.board.ctl({0, 2}), 3); // the slot has its marker index back
}

TEST(BorderMove, TakeBackReturnsTheSlotToTheTilesColumn) {
    MoveFixture f(4, true);
    openSlot(f, 2);
    f.moves.MoveTile({1, 2}, {0, 2}); // up into the slot
    f.moves.MoveTile({0, 2}, {1, 2}); // and down again: the slot is empty
    f.moves.BorderMove({0, 4});       // the empty slot travels away, uncounted
    ASSERT_EQ(f.s.slotCol, 4);
    ASSERT_EQ(f.s.stepCount, 2);
    f.moves.TakeBack();               // the tile must go back up where it came from
    EXPECT_EQ(f.s.slotCol, 2);
    EXPECT_EQ(f.value(0, 2), 2);
    EXPECT_EQ(f.value(1, 2), kEmpty);
    EXPECT_EQ(f.value(0, 4), kWall);
    EXPECT_TRUE(f.s.controls.walls[5].visible);
    EXPECT_EQ(f.s.controls.tiles[2].top, 35);
    EXPECT_EQ(f.s.stepCount, 1);
}

TEST(BorderMove, IgnoresFieldCellsAndTheBottomRow) {
    MoveFixture f(4, true);
    for (Cell c : {Cell{2, 2}, Cell{5, 0}, Cell{5, 3}, Cell{5, 5}, Cell{9, 9}}) f.moves.BorderMove(c);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(f.checks, 0);
    EXPECT_EQ(f.value(2, 1), 5);
}

TEST(ListCandidates, PicksTheTileOppositeTheArrow) {
    struct Case {
        Cell hole;
        int key;
        bool found;
        Cell tile;
    };
    const Case cases[] = {
        {{2, 2}, 37, true, {2, 3}},  {{2, 2}, 38, true, {3, 2}}, {{2, 2}, 39, true, {2, 1}},
        {{2, 2}, 40, true, {1, 2}},  {{2, 4}, 37, false, {}},     // the wall is no tile
        {{0, 2}, 40, false, {}},     {{0, 2}, 38, true, {1, 2}},  // a ring hole takes from the field
        {{2, 0}, 37, true, {2, 1}},  {{2, 0}, 38, false, {}},     {{2, 2}, 65, false, {}},
    };
    for (const Case& c : cases) {
        MoveFixture f;
        f.s.board.setValue(c.hole, kEmpty);
        f.moves.ListCandidates(c.hole, c.key);
        ASSERT_EQ(f.s.candidateCount, c.found ? 1 : 0) << c.hole.row << "," << c.hole.col << " " << c.key;
        if (c.found) {
            EXPECT_EQ(f.s.candidates[1].tile, c.tile);
            EXPECT_EQ(f.s.candidates[1].hole, c.hole);
        }
    }
}

TEST(MoveCandidate, AlwaysCountsAndIgnoresEntriesBeyondTen) {
    MoveFixture f;
    f.makeHole({3, 3});
    f.moves.ListCandidates({3, 3}, 40);
    f.s.countSteps = false;
    f.moves.MoveCandidate(11);
    EXPECT_EQ(f.s.stepCount, 0);
    f.moves.MoveCandidate(1);
    EXPECT_EQ(f.value(3, 3), 7);
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_EQ(f.s.moveHistory[0].field, (std::array<int, 4>{2, 3, 3, 3}));
}

TEST(NumberLabels, OneDigitNumbersStandFurtherRight) {
    for (int n : {4, 5, 6}) {
        MoveFixture f(n);
        f.makeHole({n, n});
        f.moves.MoveTile({n - 1, n}, {n, n});          // a two-digit number into column n
        const int twoDigit = f.s.controls.numberLabels[(n - 2) * n + n].left;
        f.makeHole({1, 1});
        f.s.board.set({1, n}, kEmpty, 0);
        f.s.board.set({2, n}, 1, 1);                     // put tile 1 where it can move up
        f.moves.MoveTile({2, n}, {1, n});
        const int oneDigit = f.s.controls.numberLabels[1].left;
        EXPECT_EQ(oneDigit - twoDigit, 35) << n;
        EXPECT_EQ(twoDigit, f.s.cellSize * n + sizeOffsets(n - 3, 0));
        EXPECT_EQ(f.s.controls.numberLabels[1].top, f.s.cellSize + 35 + sizeOffsets(n - 3, 1));
    }
}

TEST(ExchangeByNumbers, SwapsTwoNumberedTiles) {
    MoveFixture f;
    f.fp.inputBox.answers = {" 3-12"};
    ASSERT_TRUE(f.moves.ExchangeByNumbers());
    EXPECT_EQ(f.value(1, 3), 12);
    EXPECT_EQ(f.value(3, 4), 3);
    EXPECT_EQ(f.s.board.ctl({1, 3}), 12);
    EXPECT_EQ(f.s.controls.tiles[12].left, f.s.cellSize * 3 + 35);
    EXPECT_EQ(f.s.controls.tiles[12].top, f.s.cellSize * 1 + 35);
    EXPECT_EQ(f.s.controls.numberLabels[3].left, labelLeftAt(f.s, 4, 3));
    EXPECT_EQ(f.s.controls.numberLabels[12].left, labelLeftAt(f.s, 3, 12));
    EXPECT_EQ(f.s.stepCount, 0);
}

TEST(ExchangeByNumbers, BadAnswersChangeNothing) {
    for (const char* answer : {"", "3 12", "0-5", "3-0", "3-99", "abc-def", "-", "-3-5", "5-5", "x"}) {
        MoveFixture f;
        f.s.messages[28] = "a";
        f.fp.inputBox.answers = {QString::fromLatin1(answer)};
        EXPECT_FALSE(f.moves.ExchangeByNumbers()) << answer;
        for (int p = 1; p <= 16; ++p) EXPECT_EQ(f.s.board.value(f.s.board.fieldCell(p)), p) << answer;
        EXPECT_EQ(f.fp.inputBox.prompts.value(0), "a\n");
    }
}

TEST(ShowAllTiles, OnlyWhenNumberTilesHaveNoColour) {
    MoveFixture f;
    for (int k = 1; k <= 16; ++k) f.s.controls.tiles[k].visible = false;
    f.s.numberTileColour = 2;
    f.moves.ShowAllTiles();
    EXPECT_FALSE(f.s.controls.tiles[5].visible);
    f.s.numberTileColour = 0;
    f.moves.ShowAllTiles();
    EXPECT_TRUE(f.s.controls.tiles[5].visible);
}

} // namespace
