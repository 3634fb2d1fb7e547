// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "play/ExchangeByNumbers.h"
#include "play/MoveRules.h"
#include "play/StepSound.h"
#include "play/TileGeometry.h"
#include "presentation/BoardLayout.h"
#include <gtest/gtest.h>
#include <random>
#include <vector>

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
        moves.setStepSound([this] { PlayStepSound(s, fp.sound); });
    }
    // Empties a field cell, as if its tile had been taken out.
    void makeHole(Cell c) { s.board.set(c, kEmpty, 0); }
    int value(int r, int c) const { return s.board.value({r, c}); }

    FakePlatform fp;
    GameState s;
    MoveRules moves{s};
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
    EXPECT_EQ(*f.s.moveHistory.newest(), Move::slide({1, 1}, {1, 2}));
    EXPECT_EQ(f.checks, 1);
    EXPECT_EQ(f.fp.sound.commands, (QStringList{"prev", "play"}));
}

TEST(MoveTile, SilentWithSoundOff) {
    MoveFixture f;
    f.s.soundOn = false;
    f.makeHole({2, 1});
    f.moves.MoveTile({1, 1}, {2, 1});
    EXPECT_EQ(f.value(2, 1), 1);
    EXPECT_EQ(f.s.stepCount, 1);
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
    EXPECT_EQ(f.checks, 2);
    f.moves.TakeBack();
    EXPECT_EQ(f.checks, 2);   // a slide taken back is no move towards the target
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
    EXPECT_EQ(*f.s.moveHistory.newest(), Move::rotateRow(2, true));
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
    EXPECT_TRUE(f.s.moveHistory.empty());
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
    const Case cases[] = {{4, 5, 1}, {1, 0, 4}, {2, 5, 3}, {3, 0, 2}, {1, 3, 3}, {2, 2, 2}, {2, 4, 4}};
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
        // Each ring cell keeps the number of its own wall marker.
        EXPECT_EQ(f.s.board.ctl({0, c.slot}), c.slot + 1);
        EXPECT_EQ(f.s.board.ctl({0, c.expected}), c.expected + 1);
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
    EXPECT_EQ(*f.s.moveHistory.newest(), Move::shiftSlot(2, 4));
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
        Cell ringTile{};   // a ring cell holding a tile that stepped out of the field
    };
    const Case cases[] = {
        // Tiles never move along the ring: a tile in the top ring row is no Left/Right candidate.
        {{0, 2}, 37, false, {}, {0, 3}}, {{0, 3}, 39, false, {}, {0, 2}},
        {{2, 2}, 37, true, {2, 3}},  {{2, 2}, 38, true, {3, 2}}, {{2, 2}, 39, true, {2, 1}},
        {{2, 2}, 40, true, {1, 2}},  {{2, 4}, 37, false, {}},     // the wall is no tile
        {{0, 2}, 40, false, {}},     {{0, 2}, 38, true, {1, 2}},  // a ring hole takes from the field
        {{2, 0}, 37, true, {2, 1}},  {{2, 0}, 38, false, {}},     {{2, 2}, 65, false, {}},
    };
    for (const Case& c : cases) {
        MoveFixture f;
        f.s.board.setValue(c.hole, kEmpty);
        if (c.ringTile != Cell{}) f.s.board.setValue(c.ringTile, 5);
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
    f.moves.MoveCandidate(11);
    EXPECT_EQ(f.s.stepCount, 0);
    f.moves.MoveCandidate(1);
    EXPECT_EQ(f.value(3, 3), 7);
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_EQ(*f.s.moveHistory.newest(), Move::slide({2, 3}, {3, 3}));
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
    ASSERT_TRUE(ExchangeByNumbers(f.s, f.moves, f.fp.inputBox));
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
        f.s.texts.messages[28] = "a";
        f.fp.inputBox.answers = {QString::fromLatin1(answer)};
        EXPECT_FALSE(ExchangeByNumbers(f.s, f.moves, f.fp.inputBox)) << answer;
        for (int p = 1; p <= 16; ++p) EXPECT_EQ(f.s.board.value(f.s.board.fieldCell(p)), p) << answer;
        EXPECT_EQ(f.fp.inputBox.prompts.value(0), "a\n");
    }
}

TEST(ShowAllTiles, OnlyWhenNumberTilesHaveNoColour) {
    MoveFixture f;
    for (int k = 1; k <= 16; ++k) f.s.controls.tiles[k].visible = false;
    f.s.numberTileColour = 2;
    ShowAllTiles(f.s);
    EXPECT_FALSE(f.s.controls.tiles[5].visible);
    f.s.numberTileColour = 0;
    ShowAllTiles(f.s);
    EXPECT_TRUE(f.s.controls.tiles[5].visible);
}

// ---------------------------------------------------------------- the checked apply

// Both layers of every cell, and the open column of the top ring row.
std::vector<int> boardPicture(const GameState& s) {
    std::vector<int> picture{s.slotCol};
    for (int r = 0; r <= s.board.borderIdx(); ++r)
        for (int q = 0; q <= s.board.borderIdx(); ++q)
            picture.insert(picture.end(), {s.board.value({r, q}), s.board.ctl({r, q})});
    return picture;
}

struct IllegalCase {
    const char* name;
    bool pendoly;
    Move move;
    MoveRefusal refusal;
};

// A 4 x 4 board with a hole at (2, 2). Ordinary: ring cell (0, 1) open, tile 3 moved
// out to (0, 3) beside the open (0, 4). Pendoly: the top slot open at column 2.
TEST(ApplyMove, RefusesIllegalMovesAndChangesNothing) {
    using R = MoveRefusal;
    const IllegalCase cases[] = {
        {"from a hole", false, Move::slide({2, 2}, {2, 3}), R::NoTile},
        {"from a wall", false, Move::slide({0, 2}, {0, 1}), R::NoTile},
        {"into a tile", false, Move::slide({1, 1}, {1, 2}), R::NotEmpty},
        {"into a wall", false, Move::slide({2, 1}, {2, 0}), R::NotEmpty},
        {"onto itself", false, Move::slide({1, 2}, {1, 2}), R::NotEmpty},
        {"two cells away", false, Move::slide({2, 4}, {2, 2}), R::NotNeighbours},
        {"diagonally", false, Move::slide({1, 1}, {2, 2}), R::NotNeighbours},
        {"off the board", false, Move::slide({1, 1}, {-1, 1}), R::OffTheBoard},
        {"along the ring", false, Move::slide({0, 3}, {0, 4}), R::AlongTheRing},
        {"a rotation outside Pendoly", false, Move::rotateRow(2, true), R::PendolyOnly},
        {"a slot move outside Pendoly", false, Move::shiftSlot(1, 2), R::PendolyOnly},
        {"an exchange with a hole", false, Move::exchange({1, 1}, {2, 2}), R::NoTile},
        {"an exchange with itself", false, Move::exchange({1, 1}, {1, 1}), R::SameCell},
        {"sideways in Pendoly", true, Move::slide({2, 1}, {2, 2}), R::SidewaysInPendoly},
        {"the top ring row rotated", true, Move::rotateRow(0, false), R::OffTheBoard},
        {"the bottom ring row rotated", true, Move::rotateRow(5, true), R::OffTheBoard},
        {"a slot that is not open", true, Move::shiftSlot(1, 3), R::NoOpenSlot},
        {"the slot to its own column", true, Move::shiftSlot(2, 2), R::SameCell},
        {"the slot off the row", true, Move::shiftSlot(2, 5), R::OffTheBoard},
    };
    for (const IllegalCase& c : cases) {
        SCOPED_TRACE(c.name);
        MoveFixture f(4, c.pendoly);
        f.makeHole({2, 2});
        if (c.pendoly) {
            openSlot(f, 2);
        } else {
            f.s.board.setValue({0, 1}, kEmpty);
            f.s.board.set({0, 3}, 3, 3);
            f.makeHole({1, 3});
            f.s.board.setValue({0, 4}, kEmpty);
        }
        const std::vector<int> before = boardPicture(f.s);
        EXPECT_EQ(CheckMove(f.s, c.move), c.refusal);
        EXPECT_EQ(f.moves.Play(c.move), c.refusal);
        EXPECT_EQ(boardPicture(f.s), before);
        EXPECT_EQ(f.s.stepCount, 0);
        EXPECT_TRUE(f.s.moveHistory.empty());
        EXPECT_TRUE(f.fp.sound.commands.isEmpty());
        EXPECT_EQ(f.checks, 0);
    }
}

// A refused take-back leaves the history as it was: the move can still be taken back
// once the board allows it again.
TEST(TakeBack, RefusedWhileTheBoardDoesNotAllowIt) {
    MoveFixture f;
    f.makeHole({4, 4});
    f.moves.MoveTile({4, 3}, {4, 4});
    f.s.board.set({4, 3}, 15, 15);   // something filled the cell the tile came from
    EXPECT_FALSE(f.moves.TakeBack());
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_EQ(f.s.moveHistory.size(), 1);
    f.makeHole({4, 3});
    EXPECT_TRUE(f.moves.TakeBack());
    EXPECT_EQ(f.value(4, 3), 15);
}

// Every step the board allows, at random: plain slides everywhere, in Pendoly mode
// also row rotations and slot moves that carry a tile.
std::vector<Move> legalSteps(const GameState& s) {
    std::vector<Move> steps;
    const Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int q = 0; q <= b.borderIdx(); ++q)
            for (Cell to : {Cell{r - 1, q}, Cell{r + 1, q}, Cell{r, q - 1}, Cell{r, q + 1}})
                if (CheckMove(s, Move::slide({r, q}, to)) == MoveRefusal::None)
                    steps.push_back(Move::slide({r, q}, to));
    if (!s.pendolyMode) return steps;
    for (int r = 1; r <= s.N(); ++r)
        for (bool right : {false, true}) steps.push_back(Move::rotateRow(r, right));
    if (isTileValue(b.value({0, s.slotCol})))
        for (int q = 1; q <= s.N(); ++q)
            if (q != s.slotCol) steps.push_back(Move::shiftSlot(s.slotCol, q));
    return steps;
}

// Where the controls stand: every tile control in the cell the board gives it, every
// marker of the top ring row shown exactly over a wall.
void expectControlsFollowTheBoard(const GameState& s) {
    for (int r = 0; r <= s.board.borderIdx(); ++r) {
        for (int q = 0; q <= s.board.borderIdx(); ++q) {
            const Cell cell{r, q};
            if (!isTileValue(s.board.value(cell))) continue;
            const TileControl& tile = s.controls.tiles[s.board.ctl(cell)];
            EXPECT_EQ(tile.left, tileLeftAt(s, q)) << r << "," << q;
            EXPECT_EQ(tile.top, tileTopAt(s, r)) << r << "," << q;
        }
    }
    for (int q = 1; q <= s.N(); ++q)
        EXPECT_EQ(s.controls.walls[q + 1].visible, s.board.value({0, q}) == kWall) << q;
}

// Any run of steps followed by as many take-backs as the history keeps leaves the
// board, both its layers, the open slot and the step count exactly as they were
// before the steps taken back; one take-back more does nothing.
TEST(TakeBack, RestoresBoardAndStepCountExactlyAfterAnyRun) {
    for (bool pendoly : {false, true}) {
        for (unsigned seed = 1; seed <= 150; ++seed) {
            SCOPED_TRACE(testing::Message() << (pendoly ? "Pendoly" : "ordinary") << " seed " << seed);
            std::mt19937 random(seed);
            MoveFixture f(5, pendoly);
            if (pendoly) {
                openSlot(f, 3);
            } else {
                for (Cell open : {Cell{0, 2}, Cell{0, 4}, Cell{3, 0}, Cell{6, 5}}) {
                    f.s.board.setValue(open, kEmpty);
                    f.s.controls.walls[f.s.board.ctl(open)].visible = false;
                }
            }
            std::vector<std::vector<int>> pictures{boardPicture(f.s)};
            const int runLength = static_cast<int>(random() % 12);
            for (int i = 0; i < runLength; ++i) {
                const std::vector<Move> steps = legalSteps(f.s);
                ASSERT_FALSE(steps.empty());
                ASSERT_EQ(f.moves.Play(steps[random() % steps.size()]), MoveRefusal::None);
                pictures.push_back(boardPicture(f.s));
            }
            ASSERT_EQ(f.s.stepCount, runLength);
            const int undoable = std::min(runLength, MoveHistory::kDepth);
            for (int i = 0; i < undoable; ++i) EXPECT_TRUE(f.moves.TakeBack());
            EXPECT_EQ(boardPicture(f.s), pictures[static_cast<size_t>(runLength - undoable)]);
            EXPECT_EQ(f.s.stepCount, runLength - undoable);
            expectControlsFollowTheBoard(f.s);
            EXPECT_FALSE(f.moves.TakeBack());
            EXPECT_EQ(f.s.stepCount, runLength - undoable);
        }
    }
}

} // namespace
