// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

using Type = BoardFixture::Type;

namespace {

std::vector<int> ascending(int n) {
    std::vector<int> v;
    for (int k = 1; k <= n * n; ++k) v.push_back(k);
    return v;
}

void setField(BoardFixture& f, const std::vector<int>& values) {
    int k = 0;
    for (int v : values) {
        ++k;
        const Cell cell = f.s.board.fieldCell(k);
        f.s.board.set(cell, v, k);
        f.s.controls.tiles[k].top = f.s.cellSize * cell.row + 35;
        f.s.controls.tiles[k].left = f.s.cellSize * cell.col + 35;
    }
}

void startWithOpen(BoardFixture& f, std::initializer_list<Cell> open) {
    for (Cell c : open) f.clickCell(c);
    f.flow.kezd_Click();
    ASSERT_TRUE(f.s.gameRunning);
}

std::vector<int> row(const GameState& s, int r) {
    std::vector<int> v;
    for (int q = 1; q <= s.N(); ++q) v.push_back(s.board.value({r, q}));
    return v;
}

} // namespace

// ---------------------------------------------------------------- a whole game

TEST(WholeGame, PlayedByKeyboardFromStartToTheNameEntry) {
    BoardFixture f(Type::Numbers, 4);
    f.s.texts.messages[4] = QStringLiteral("Time:");
    f.s.texts.messages[6] = QStringLiteral("Solved in");
    f.s.texts.endTexts = {QString(), QStringLiteral("h"), QStringLiteral("min"), QStringLiteral("s")};
    setField(f, ascending(4));
    startWithOpen(f, {{0, 1}, {0, 2}});

    f.fp.clock.advance(30'000);
    f.key(KeyCode::Up);   // tiles 1 and 2 could go up: a choice
    ASSERT_EQ(f.s.candidateCount, 2);
    f.typeDigits("2");
    f.key(KeyCode::Enter);
    EXPECT_EQ(f.s.board.value({0, 2}), 2);
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_EQ(f.s.phase, GamePhase::Playing);

    f.fp.clock.advance(35'000);
    f.key(KeyCode::Down);   // only tile 2 can come down: it goes at once
    EXPECT_EQ(f.s.board.value({1, 2}), 2);

    EXPECT_EQ(f.s.phase, GamePhase::Finished);
    ASSERT_EQ(f.messageNumbers(), std::vector<int>{6});
    EXPECT_EQ(f.fp.messageBox.shown[0].text, QStringLiteral("Solved in  2\n\nTime: 1 min, 5 s"));
    EXPECT_EQ(f.s.elapsedMinutes, 1);
    EXPECT_EQ(f.s.elapsedSeconds, 5);
    const PanelControls& c = f.s.panel;
    EXPECT_TRUE(c.Label3.visible && c.neve.visible && c.ment.visible && c.megse.visible);
    EXPECT_EQ(c.megse.top, 0);
    EXPECT_FALSE(c.uj.enabled);
    EXPECT_FALSE(c.kilep.enabled);
    EXPECT_FALSE(c.elt.visible);
    EXPECT_TRUE(RingClosed(f.s));
    // The result stands: a take-back after the end changes nothing.
    f.key(KeyCode::Delete);
    EXPECT_EQ(f.s.stepCount, 2);
    EXPECT_EQ(f.s.board.value({1, 2}), 2);
}

TEST(WholeGame, EndTimeTextWithHours) {
    GameState s;
    s.texts.messages[4] = QStringLiteral("T");
    s.texts.endTexts = {QString(), QStringLiteral("h"), QStringLiteral("m"), QStringLiteral("s")};
    EXPECT_EQ(GameFlow::EndTimeText(s, 2, 0, 9), QStringLiteral("T 2 h, 0 m, 9 s"));
}

// ---------------------------------------------------------------- keyboard

TEST(Keyboard, ColourTypeChoiceByDigit) {
    BoardFixture f(Type::RandomColours, 4);
    startWithOpen(f, {{0, 1}, {0, 3}});
    const int second = f.s.board.value({1, 3});
    f.key(KeyCode::Up);
    ASSERT_EQ(f.s.candidateCount, 2);
    const LabelControl& label2 = f.s.controls.numberLabels[2];
    EXPECT_TRUE(label2.visible);
    EXPECT_EQ(label2.caption, QStringLiteral("2"));
    EXPECT_EQ(label2.top, f.s.controls.tiles[f.s.board.ctl({1, 3})].top + 250);
    f.key(KeyCode::Digit0 + 2);
    EXPECT_EQ(f.s.board.value({0, 3}), second);
    EXPECT_EQ(f.s.board.value({0, 1}), kEmpty);
    EXPECT_EQ(f.s.candidateCount, 0);
    EXPECT_FALSE(f.s.controls.numberLabels[1].visible);
    EXPECT_FALSE(label2.visible);
}

TEST(Keyboard, ColourTypeOtherKeyClearsTheChoiceAndActsAfresh) {
    BoardFixture f(Type::RandomColours, 4);
    startWithOpen(f, {{0, 1}, {0, 3}});
    f.key(KeyCode::Up);
    f.key(KeyCode::Digit0 + 3);   // no third candidate: cleared, then ignored
    EXPECT_EQ(f.s.candidateCount, 0);
    EXPECT_EQ(f.s.stepCount, 0);
}

struct TypedCase {
    const char* name;
    const char* digits;
    bool enter;
    int movedValue;   // 0: nothing moves
};

class TypedNumber : public ::testing::TestWithParam<TypedCase> {};

// Bottom row 12 7 15 16 above two open cells: Down offers tiles 12 and 7.
TEST_P(TypedNumber, PicksTheCandidateWithThatNumber) {
    const TypedCase& c = GetParam();
    BoardFixture f(Type::Numbers, 4);
    setField(f, {1, 2, 3, 4, 5, 6, 13, 8, 9, 10, 11, 14, 12, 7, 15, 16});
    startWithOpen(f, {{5, 1}, {5, 2}});
    f.key(KeyCode::Down);
    ASSERT_EQ(f.s.candidateCount, 2);
    EXPECT_EQ(f.s.controls.numberLabels[13].colour, kSysHighlight);   // tile control of (4,1)
    f.typeDigits(c.digits);
    if (c.enter) f.key(KeyCode::Enter);
    EXPECT_EQ(f.s.candidateCount, 0);
    EXPECT_TRUE(f.s.typedDigits.isEmpty());
    EXPECT_EQ(f.s.controls.numberLabels[13].colour, kSysButtonText);
    EXPECT_EQ(f.s.board.value({5, 1}), c.movedValue == 12 ? 12 : kEmpty);
    EXPECT_EQ(f.s.board.value({5, 2}), c.movedValue == 7 ? 7 : kEmpty);
    EXPECT_EQ(f.s.stepCount, c.movedValue ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, TypedNumber,
                         ::testing::Values(TypedCase{"TwoDigitsWithoutEnter", "12", false, 12},
                                           TypedCase{"OneDigitAndEnter", "7", true, 7},
                                           TypedCase{"NotACandidate", "9", true, 0},
                                           TypedCase{"TwoDigitsNotACandidate", "13", false, 0}),
                         [](const ::testing::TestParamInfo<TypedCase>& info) {
                             return std::string(info.param.name);
                         });

// Counts every tile value on the board, ring included: no move may lose one.
std::vector<int> tileValues(const GameState& s) {
    std::vector<int> values;
    for (int r = 0; r <= s.board.borderIdx(); ++r)
        for (int q = 0; q <= s.board.borderIdx(); ++q)
            if (isTileValue(s.board.value({r, q}))) values.push_back(s.board.value({r, q}));
    std::sort(values.begin(), values.end());
    return values;
}

// A take-back changes the board under a choice on display, so it ends the choice:
// picking one of its candidates afterwards must not move a tile into a full cell.
TEST(Keyboard, DeleteEndsTheChoiceOnDisplay) {
    BoardFixture f(Type::Numbers, 4);
    setField(f, ascending(4));
    startWithOpen(f, {{0, 1}, {0, 2}, {1, 5}});
    f.key(KeyCode::Right);   // only tile 4 can go right
    ASSERT_EQ(f.s.board.value({1, 5}), 4);
    f.key(KeyCode::Up);      // tiles 1, 2 and 8
    ASSERT_EQ(f.s.candidateCount, 3);
    f.key(KeyCode::Delete);
    EXPECT_EQ(f.s.board.value({1, 4}), 4);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(f.s.candidateCount, 0);
    EXPECT_EQ(f.s.controls.numberLabels[8].colour, kSysButtonText);

    f.typeDigits("8");
    f.key(KeyCode::Enter);
    EXPECT_EQ(f.s.board.value({1, 4}), 4);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(tileValues(f.s), ascending(4));
}

TEST(Mouse, TakeBackEndsTheChoiceOfTheColourTypes) {
    BoardFixture f(Type::RandomColours, 4);
    startWithOpen(f, {{0, 1}, {0, 3}, {1, 5}});
    const std::vector<int> before = tileValues(f.s);
    f.key(KeyCode::Right);
    f.key(KeyCode::Up);
    ASSERT_EQ(f.s.candidateCount, 3);   // below (0, 1), (0, 3) and the new hole (1, 4)
    f.key(KeyCode::Delete);
    EXPECT_EQ(f.s.candidateCount, 0);
    for (int m = 1; m <= 3; ++m) EXPECT_FALSE(f.s.controls.numberLabels[m].visible) << m;
    f.mouse.mg_MouseDown(1, 1, 0, 0, 0);   // the hidden label of the ended choice
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(tileValues(f.s), before);
}

// A candidate whose tile has gone or whose hole has filled is refused, however the
// board came to change under it.
TEST(MoveRulesCandidate, RefusesACandidateThatNoLongerHolds) {
    BoardFixture f(Type::Numbers, 4);
    setField(f, ascending(4));
    startWithOpen(f, {{0, 1}, {0, 2}});
    struct Case {
        const char* name;
        CandidateMove move;
    } cases[] = {
        {"hole filled", {{2, 1}, {1, 1}}},
        {"no tile", {{0, 2}, {0, 1}}},
        {"not neighbours", {{2, 2}, {0, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.s.candidates[1] = c.move;
        f.s.candidateCount = 1;
        f.rules.MoveCandidate(1);
        EXPECT_EQ(f.s.stepCount, 0);
        EXPECT_EQ(tileValues(f.s), ascending(4));
        EXPECT_EQ(f.s.board.value({0, 1}), kEmpty);
        EXPECT_EQ(f.s.board.value({0, 2}), kEmpty);
    }
}

TEST(Keyboard, OutsideAGameArrowsDoNothing) {
    BoardFixture f(Type::Numbers, 4);
    setField(f, ascending(4));
    f.clickCell({0, 1});
    f.key(KeyCode::Up);
    EXPECT_EQ(f.s.board.value({1, 1}), 1);
    EXPECT_EQ(f.s.board.value({0, 1}), kEmpty);
}

TEST(Keyboard, DemoKeysPauseResumeAndStop) {
    BoardFixture f(Type::Numbers, 4);
    f.s.demoState = DemoState::Running;
    f.key(KeyCode::Space);
    EXPECT_EQ(f.s.demoState, DemoState::Paused);
    f.key(KeyCode::Space);
    EXPECT_EQ(f.s.demoState, DemoState::Running);
    f.key(KeyCode::Escape);
    EXPECT_EQ(f.s.demoState, DemoState::Off);
}

// ---------------------------------------------------------------- Pendoly

TEST(Pendoly, RowKeysAndTheTopSlot) {
    BoardFixture f(Type::Numbers, 4);
    babilon_Click(f.s);
    setField(f, ascending(4));
    f.flow.kezd_Click();
    ASSERT_TRUE(f.s.gameRunning);
    EXPECT_EQ(f.s.slotCol, 1);
    EXPECT_EQ(f.s.board.value({0, 1}), kEmpty);

    f.key(KeyCode::Digit0 + 4);
    EXPECT_EQ(f.s.kbRow, 4);
    EXPECT_EQ(f.s.controls.rowPointer.top, 760 + f.s.cellSize * 4);
    f.key(KeyCode::Space);   // past the last row comes the top ring row
    EXPECT_EQ(f.s.kbRow, 0);
    f.key(KeyCode::Up, kShiftMask);
    EXPECT_EQ(f.s.kbRow, 4);
    f.key(KeyCode::Down, kShiftMask);
    EXPECT_EQ(f.s.kbRow, 0);
    f.key(KeyCode::Right);
    EXPECT_EQ(f.s.slotCol, 2);
    EXPECT_EQ(f.s.board.value({0, 2}), kEmpty);

    f.key(KeyCode::Digit0 + 2);
    f.key(KeyCode::Left);
    EXPECT_EQ(row(f.s, 2), (std::vector<int>{6, 7, 8, 5}));
}

TEST(Pendoly, BorderClickRotatesAndDoubleClickRotatesAgain) {
    BoardFixture f(Type::Numbers, 4);
    babilon_Click(f.s);
    setField(f, ascending(4));
    f.flow.kezd_Click();
    const double x = f.centreX(0);
    const double y = f.centreY(2);
    f.mouse.keret_MouseDown(1, 0, x, y);
    EXPECT_EQ(row(f.s, 2), (std::vector<int>{6, 7, 8, 5}));
    f.mouse.keret_MouseUp(1, 0, x, y);
    f.mouse.keret_DblClick();
    EXPECT_EQ(row(f.s, 2), (std::vector<int>{7, 8, 5, 6}));
    EXPECT_EQ(f.s.stepCount, 2);
    EXPECT_EQ(f.s.kbRow, 2);
}

TEST(Pendoly, SwitchSetsTitleAndResultsFile) {
    BoardFixture f(Type::Numbers, 4);
    babilon_Click(f.s);
    EXPECT_TRUE(f.s.panel.babilon.checked);
    EXPECT_EQ(f.s.resultsFile, QStringLiteral("eredm_vr.dat"));
    EXPECT_EQ(f.s.controls.windowTitle, QStringLiteral("Zelka-Kvadra  -- Pendoly"));
    babilon_Click(f.s);
    EXPECT_EQ(f.s.resultsFile, QStringLiteral("eredm.dat"));
    EXPECT_EQ(f.s.controls.windowTitle, QStringLiteral("Zelka-Kvadra"));
}

// ---------------------------------------------------------------- mouse in a game

TEST(Mouse, ClickOnATileWithOneEmptyNeighbourMovesIt) {
    BoardFixture f(Type::Numbers, 4);
    setField(f, ascending(4));
    startWithOpen(f, {{0, 1}, {0, 3}});
    f.mouse.keret_MouseDown(1, 0, f.centreX(3), f.centreY(1));
    EXPECT_EQ(f.s.board.value({0, 3}), 3);
    EXPECT_EQ(f.s.stepCount, 1);
    EXPECT_FALSE(f.s.dragging);
    // A tile with no empty neighbour: nothing moves, no marker.
    f.mouse.keret_MouseDown(1, 0, f.centreX(2), f.centreY(3));
    EXPECT_EQ(f.s.stepCount, 1);
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(f.s.controls.moveMarkers[i].visible);
}

// Tile 1 at (1,1) with open cells above and to the left: the press grabs it.
class Drag : public ::testing::Test {
protected:
    void SetUp() override {
        setField(f, ascending(4));
        startWithOpen(f, {{0, 1}, {1, 0}});
        x = f.centreX(1);
        y = f.centreY(1);
        f.mouse.keret_MouseDown(1, 0, x, y);
        ASSERT_TRUE(f.s.dragging);
    }
    const TileControl& tile() const { return f.s.controls.tiles[1]; }

    BoardFixture f{Type::Numbers, 4};   // cell 833 twips, tile at 868
    double x = 0;
    double y = 0;
};

TEST_F(Drag, MarkersShowBothDestinations) {
    const auto& jg = f.s.controls.moveMarkers;
    EXPECT_TRUE(jg[1].visible && jg[2].visible);
    EXPECT_EQ(jg[1].left, 833 + 70);   // (0, 1) above
    EXPECT_EQ(jg[1].top, 70);
    EXPECT_EQ(jg[2].left, 70);         // (1, 0) on the left
    EXPECT_EQ(jg[2].top, 833 + 70);
    EXPECT_FALSE(jg[3].visible);
}

TEST_F(Drag, DiagonalMoveFollowsOneLineAndShortDropSnapsBack) {
    f.mouse.keret_MouseMove(1, 0, x - 100, y - 400);
    EXPECT_EQ(tile().top, 868 - 400);   // along the column
    EXPECT_EQ(tile().left, 868);        // 400 twips off the row: sideways locked
    f.mouse.keret_MouseMove(1, 0, x - 100, y - 1200);
    EXPECT_EQ(tile().top, 868 - 400);   // never past the open cell
    f.mouse.keret_MouseUp(1, 0, x - 100, y - 400);
    EXPECT_FALSE(f.s.dragging);
    EXPECT_EQ(tile().top, 868);          // less than half a cell: back in place
    EXPECT_EQ(f.s.controls.numberLabels[1].top, 868 + 250);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_EQ(f.s.board.value({1, 1}), 1);
    EXPECT_FALSE(f.s.controls.moveMarkers[1].visible);
}

TEST_F(Drag, DropPastHalfACellMovesTheTile) {
    f.mouse.keret_MouseMove(1, 0, x - 500, y);
    EXPECT_EQ(tile().left, 868 - 500);
    f.mouse.keret_MouseUp(1, 0, x - 500, y);
    EXPECT_EQ(f.s.board.value({1, 0}), 1);
    EXPECT_EQ(f.s.board.value({1, 1}), kEmpty);
    EXPECT_EQ(tile().left, 35);
    EXPECT_EQ(f.s.stepCount, 1);
}

TEST_F(Drag, NoMoveWithoutAnOpenCellThatWay) {
    f.mouse.keret_MouseMove(1, 0, x + 300, y + 300);   // right and down are closed
    EXPECT_EQ(tile().left, 868);
    EXPECT_EQ(tile().top, 868);
}

// A key that moves the grabbed tile ends the drag: the tile stays where the key put
// it, and the rest of the drag moves nothing.
TEST_F(Drag, AKeyThatMovesTheTileEndsTheDrag) {
    f.mouse.keret_MouseMove(1, 0, x - 200, y);
    f.key(KeyCode::Up);   // the only tile that can go up: the grabbed one
    ASSERT_EQ(f.s.board.value({0, 1}), 1);
    EXPECT_FALSE(f.s.dragging);
    EXPECT_FALSE(f.s.controls.moveMarkers[1].visible);
    f.mouse.keret_MouseMove(1, 0, x - 600, y);
    f.mouse.keret_MouseUp(1, 0, x - 600, y);
    EXPECT_EQ(tile().left, 868);
    EXPECT_EQ(tile().top, 35);
    EXPECT_EQ(f.s.board.value({1, 0}), kEmpty);
    EXPECT_EQ(f.s.stepCount, 1);
}

// A key that moves nothing leaves the drag as it was.
TEST_F(Drag, AKeyThatMovesNothingKeepsTheDrag) {
    f.key(KeyCode::Right);   // no tile can go right
    f.mouse.keret_MouseMove(1, 0, x - 500, y);
    f.mouse.keret_MouseUp(1, 0, x - 500, y);
    EXPECT_EQ(f.s.board.value({1, 0}), 1);
    EXPECT_EQ(tile().left, 35);
    EXPECT_EQ(f.s.stepCount, 1);
}

// ---------------------------------------------------------------- mouse in set-up

TEST(MouseSetUp, RingCellsOpenAndCloseButCornersStayShut) {
    BoardFixture f(Type::Numbers, 4);
    f.clickCell({0, 0});
    f.clickCell({5, 5});
    EXPECT_TRUE(RingClosed(f.s));
    f.clickCell({0, 2});
    EXPECT_EQ(f.s.board.value({0, 2}), kEmpty);
    EXPECT_FALSE(f.s.controls.walls[3].visible);
    f.clickCell({0, 2});
    EXPECT_EQ(f.s.board.value({0, 2}), kWall);
    EXPECT_TRUE(f.s.controls.walls[3].visible);
}

TEST(MouseSetUp, PendolyModeOpensNoRingCell) {
    BoardFixture f(Type::Numbers, 4);
    babilon_Click(f.s);
    f.clickCell({2, 0});
    EXPECT_EQ(f.s.board.value({2, 0}), kWall);
}

TEST(MouseSetUp, TwoExchangesThenMessage3) {
    BoardFixture f(Type::Numbers, 4);
    setField(f, ascending(4));
    f.s.shuffleNo = 7;
    f.clickCell({1, 1});
    EXPECT_TRUE(f.s.controls.numberLabels[37].visible);
    EXPECT_EQ(f.s.controls.numberLabels[37].caption, QStringLiteral("C"));
    f.clickCell({2, 2});
    EXPECT_EQ(f.s.board.value({1, 1}), 6);
    EXPECT_EQ(f.s.board.value({2, 2}), 1);
    EXPECT_FALSE(f.s.controls.numberLabels[37].visible);
    EXPECT_EQ(f.s.shuffleNo, 7);   // one exchange keeps a loaded start of the number type

    f.clickCell({1, 2});
    f.clickCell({1, 2});           // the same tile again: deselected, no exchange
    EXPECT_EQ(f.s.exchangeCount, 1);
    f.clickCell({1, 2});
    f.clickCell({1, 3});
    EXPECT_EQ(f.s.exchangeCount, 2);
    EXPECT_EQ(f.s.shuffleNo, 0);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());

    f.clickCell({4, 4});
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{3});
    EXPECT_EQ(f.fp.messageBox.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(f.s.selected, Cell{});
    EXPECT_EQ(f.s.board.value({4, 4}), 16);

    // A new game allows exchanges again.
    f.clickCell({0, 1});
    f.flow.kezd_Click();
    EXPECT_EQ(f.s.exchangeCount, 0);
}

TEST(MouseSetUp, ANewArrangementAllowsExchangesAgain) {
    BoardFixture f(Type::RandomColours, 4);
    for (Cell c : {Cell{1, 1}, Cell{2, 2}, Cell{1, 2}, Cell{1, 3}}) f.clickCell(c);
    ASSERT_EQ(f.s.exchangeCount, 2);
    NewArrangement(f.s, f.fp.random);   // what "Kever" and a new game do
    const int first = f.s.board.value({3, 3});
    const int second = f.s.board.value({4, 1});
    f.clickCell({3, 3});
    f.clickCell({4, 1});
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
    EXPECT_EQ(f.s.board.value({3, 3}), second);
    EXPECT_EQ(f.s.board.value({4, 1}), first);
}

// A tile picked before a shuffle is not the tile in its cell after it: the shuffle
// ends the selection, and the next two clicks exchange the two tiles clicked.
TEST(MouseSetUp, AShuffleEndsTheSelection) {
    BoardFixture f(Type::Numbers, 4);
    f.clickCell({1, 1});
    const int picked = f.s.selCtl;
    NewArrangement(f.s, f.fp.random);
    EXPECT_EQ(f.s.selected, Cell{});
    EXPECT_FALSE(f.s.controls.numberLabels[37].visible);
    EXPECT_TRUE(f.s.controls.numberLabels[picked].visible);
    const int first = f.s.board.value({3, 3});
    const int second = f.s.board.value({4, 1});
    f.clickCell({3, 3});
    f.clickCell({4, 1});
    EXPECT_EQ(f.s.board.value({3, 3}), second);
    EXPECT_EQ(f.s.board.value({4, 1}), first);
}

TEST(MouseSetUp, NothingWhileTheNameEntryWaits) {
    BoardFixture f(Type::Numbers, 4);
    f.s.phase = GamePhase::Finished;   // the name entry waits
    f.clickCell({0, 2});
    EXPECT_EQ(f.s.board.value({0, 2}), kWall);
}

TEST(MouseSetUp, ColourTypeLabelClickClearsTheSelection) {
    BoardFixture f(Type::RandomColours, 4);
    f.clickCell({1, 1});
    ASSERT_EQ(f.s.selected, (Cell{1, 1}));
    f.mouse.mg_MouseDown(37, 1, 0, f.centreX(1), f.centreY(1));
    EXPECT_EQ(f.s.selected, Cell{});
    EXPECT_FALSE(f.s.controls.numberLabels[37].visible);
}

TEST(Mouse, CandidateLabelClickPerformsThatCandidate) {
    BoardFixture f(Type::RandomColours, 4);
    startWithOpen(f, {{0, 1}, {0, 3}});
    const int first = f.s.board.value({1, 1});
    f.key(KeyCode::Up);
    ASSERT_EQ(f.s.candidateCount, 2);
    f.mouse.mg_MouseDown(1, 1, 0, 0, 0);
    EXPECT_EQ(f.s.board.value({0, 1}), first);
    EXPECT_EQ(f.s.candidateCount, 0);
    EXPECT_FALSE(f.s.controls.numberLabels[2].visible);
}
