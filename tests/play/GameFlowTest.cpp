// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "play/DiagonalTargets.h"
#include "setup/GameTypes.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <vector>

using Type = BoardFixture::Type;

namespace {

// Field values row by row for N x N, from a rule on (row, col).
std::vector<int> fieldFrom(int n, const std::function<int(int, int)>& valueAt) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) v.push_back(valueAt(i, j));
    return v;
}

void setField(BoardFixture& f, const std::vector<int>& values) {
    int k = 0;
    for (int v : values) {
        const Cell cell = f.s.board.fieldCell(++k);
        f.s.board.setValue(cell, v);
    }
}

// Opens two ring cells (so no start is refused for a tile in place) and starts.
void start(BoardFixture& f) {
    f.clickCell({0, 1});
    f.clickCell({0, 2});
    f.flow.kezd_Click();
    ASSERT_EQ(f.s.phase, GamePhase::Playing);
}

int mod(int a, int n) { return ((a % n) + n) % n; }

} // namespace

struct TargetCase {
    const char* name;
    Type type;
    int n;
    // Value of field cell (i, j) given the board's row and column colours.
    std::function<int(const GameState&, int, int)> valueAt;
    bool solved;
};

class TargetCheck : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetCheck, EndsTheGameExactlyOnATarget) {
    const TargetCase& c = GetParam();
    BoardFixture f(c.type, c.n);
    start(f);
    setField(f, fieldFrom(c.n, [&](int i, int j) { return c.valueAt(f.s, i, j); }));
    f.flow.CheckSolved();
    EXPECT_EQ(f.s.phase == GamePhase::Finished, c.solved);
    EXPECT_EQ(f.s.gameRunning, !c.solved);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, TargetCheck,
    ::testing::Values(
        TargetCase{"NumbersAscendingRows4", Type::Numbers, 4,
                   [](const GameState&, int i, int j) { return (i - 1) * 4 + j; }, true},
        TargetCase{"NumbersDescendingRows5", Type::Numbers, 5,
                   [](const GameState&, int i, int j) { return 26 - ((i - 1) * 5 + j); }, true},
        TargetCase{"NumbersAscendingColumns6", Type::Numbers, 6,
                   [](const GameState&, int i, int j) { return (j - 1) * 6 + i; }, true},
        TargetCase{"NumbersDescendingColumns4", Type::Numbers, 4,
                   [](const GameState&, int i, int j) { return 17 - ((j - 1) * 4 + i); }, true},
        // Every cell holds its ascending or its descending number, yet neither order
        // holds throughout: tiles 1 and 16 stand in their descending places.
        TargetCase{"NumbersMixedOrders", Type::Numbers, 4,
                   [](const GameState&, int i, int j) {
                       const int m = (i - 1) * 4 + j;
                       return m == 1 ? 16 : m == 16 ? 1 : m;
                   },
                   false},
        TargetCase{"NumbersTwoSwapped", Type::Numbers, 5,
                   [](const GameState&, int i, int j) {
                       const int m = (i - 1) * 5 + j;
                       return m == 7 ? 8 : m == 8 ? 7 : m;
                   },
                   false},
        TargetCase{"DiagonalFalling5", Type::Diagonal, 5,
                   [](const GameState& s, int i, int j) { return s.rowColours[mod(i - j, 5) + 1]; }, true},
        TargetCase{"DiagonalRising6", Type::Diagonal, 6,
                   [](const GameState& s, int i, int j) { return s.rowColours[mod(i + j - 2, 6) + 1]; }, true},
        TargetCase{"DiagonalShiftedIsNot", Type::Diagonal, 4,
                   [](const GameState& s, int i, int j) { return s.rowColours[mod(i - j + 1, 4) + 1]; }, false},
        TargetCase{"RandomRows4", Type::RandomColours, 4,
                   [](const GameState& s, int i, int) { return s.rowColours[i]; }, true},
        TargetCase{"RandomColumns5", Type::RandomColours, 5,
                   [](const GameState& s, int, int j) { return s.colColours[j]; }, true},
        TargetCase{"RandomRowsWithOneSwap", Type::RandomColours, 4,
                   [](const GameState& s, int i, int j) {
                       const int row = (j == 1 && (i == 1 || i == 2)) ? 3 - i : i;
                       return s.rowColours[row];
                   },
                   false}),
    [](const ::testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

TEST(TargetCheck, TargetMapGameEndsWhenEveryCellHasItsMapColour) {
    BoardFixture f(Type::RandomColours, 4);
    vminta_Click(f.s, f.fp.platform);
    start(f);
    const QString map = f.s.targetMapText;   // 6 x 6, ring "7"
    auto fromMap = [&](int i, int j) { return map[j + 6 * i].digitValue(); };
    setField(f, fieldFrom(4, fromMap));
    f.s.board.setValue({4, 4}, fromMap(4, 4) % 4 + 1);   // one wrong colour
    f.flow.CheckSolved();
    EXPECT_EQ(f.s.phase, GamePhase::Playing);
    f.s.board.setValue({4, 4}, fromMap(4, 4));
    f.flow.CheckSolved();
    EXPECT_EQ(f.s.phase, GamePhase::Finished);
}

TEST(TargetCheck, DemoNeverEndsAGame) {
    BoardFixture f(Type::Numbers, 4);
    start(f);
    f.s.demoState = DemoState::Running;
    setField(f, fieldFrom(4, [](int i, int j) { return (i - 1) * 4 + j; }));
    f.flow.CheckSolved();
    EXPECT_TRUE(f.s.gameRunning);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
}

// ---------------------------------------------------------------- ValidateStart

TEST(ValidateStart, NoOpenCellRefusesWithMessage11AndKeepsSetUp) {
    BoardFixture f(Type::Numbers, 4);
    f.flow.kezd_Click();
    ASSERT_EQ(f.messageNumbers(), std::vector<int>{11});
    EXPECT_EQ(f.fp.messageBox.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(f.s.phase, GamePhase::SetUp);
    EXPECT_FALSE(f.s.gameRunning);
    EXPECT_TRUE(f.s.panel.kezd.enabled);
    EXPECT_TRUE(f.s.panel.szamsor.enabled);
}

struct OneGapCase {
    const char* name;
    Cell open;
    int valueBeside;   // put into the field cell next to the open ring cell
    bool refused;
};

class OneGap : public ::testing::TestWithParam<OneGapCase> {};

// The tile beside the only open cell can never leave its place: a start is refused
// unless that tile already holds a target's value. 4 x 4 numbers; every other field
// cell holds 98, so only the tested cell can match.
TEST_P(OneGap, RefusesUnlessTheTileBesideIsInPlace) {
    const OneGapCase& c = GetParam();
    BoardFixture f(Type::Numbers, 4);
    setField(f, std::vector<int>(16, 98));
    const Cell beside{std::clamp(c.open.row, 1, 4), std::clamp(c.open.col, 1, 4)};
    f.s.board.setValue(beside, c.valueBeside);
    f.clickCell(c.open);
    f.flow.kezd_Click();
    EXPECT_EQ(f.messageNumbers(), c.refused ? std::vector<int>{12} : std::vector<int>{});
    EXPECT_EQ(f.s.gameRunning, !c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneGap,
    ::testing::Values(OneGapCase{"TopAscendingRow", {0, 2}, 2, false},
                      OneGapCase{"TopDescendingRow", {0, 2}, 15, false},
                      OneGapCase{"LeftAscendingColumn", {3, 0}, 3, false},   // column-wise 1..16
                      OneGapCase{"BottomDescendingColumn", {5, 3}, 5, false},
                      OneGapCase{"RightNotInPlace", {2, 5}, 7, true},
                      OneGapCase{"RightInPlace", {2, 5}, 8, false}),
    [](const ::testing::TestParamInfo<OneGapCase>& info) { return std::string(info.param.name); });

TEST(ValidateStart, DiagonalTileBesideTheGapMustBeInPlace) {
    BoardFixture f(Type::Diagonal, 5);
    BuildDiagonalTargets(f.s);
    // Ring cell (0, 3): the falling form wants digit 4 at (1, 3), the rising one digit 3.
    f.s.board.setValue({1, 3}, f.s.rowColours[1]);
    f.clickCell({0, 3});
    f.flow.kezd_Click();
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{12});
    EXPECT_FALSE(f.s.gameRunning);

    f.s.board.setValue({1, 3}, f.s.rowColours[3]);
    f.flow.kezd_Click();
    EXPECT_EQ(f.messageNumbers(), std::vector<int>{12});   // nothing more said
    EXPECT_TRUE(f.s.gameRunning);
}

namespace {

// A 4 x 4 rearrangement game that has reached its first target column-wise with
// two open cells, now paused.
void pauseAtColumnWiseTarget(BoardFixture& f) {
    f.s.panel.atrend.checked = true;
    setField(f, std::vector<int>(16, 98));
    start(f);
    setField(f, fieldFrom(4, [](int i, int j) { return (j - 1) * 4 + i; }));
    f.flow.CheckSolved();
    ASSERT_EQ(f.s.phase, GamePhase::Paused);
}

} // namespace

TEST(ValidateStart, ChangedGapCountAsksAndNoKeepsThePause) {
    BoardFixture f(Type::Numbers, 4);
    pauseAtColumnWiseTarget(f);
    // One open cell now, two in the first stage; the tile beside it (16) already stands
    // where the row-wise form wants it, so the second stage can be won.
    f.clickCell({5, 4});
    f.fp.messageBox.answers = {MsgAnswer::No};
    f.s.texts.messages[14] = QStringLiteral("Continue?");
    f.flow.folytat_Click();
    ASSERT_EQ(f.messageNumbers(), std::vector<int>{13});
    const MessageRequest& q = f.fp.messageBox.shown[0];
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_TRUE(q.text.endsWith(QStringLiteral(" 2\nContinue?"))) << q.text.toStdString();
    EXPECT_EQ(f.s.phase, GamePhase::Paused);
    EXPECT_FALSE(f.s.gameRunning);
    EXPECT_TRUE(f.s.panel.folytat.visible);

    f.fp.messageBox.answers = {MsgAnswer::Yes};
    f.flow.folytat_Click();
    EXPECT_EQ(f.s.phase, GamePhase::Playing);
    EXPECT_FALSE(f.s.panel.folytat.visible);
    EXPECT_EQ(f.s.gapCount, 2);   // the larger count goes with the result
}

// ---------------------------------------------------------------- rearrangement

TEST(Rearrangement, FirstStageColumnWiseMustEndRowWise) {
    BoardFixture f(Type::Numbers, 4);
    pauseAtColumnWiseTarget(f);
    EXPECT_EQ(f.s.rearrangePhase, 1);
    EXPECT_TRUE(f.s.panel.folytat.visible);
    EXPECT_TRUE(f.s.panel.tarol.visible);
    // The ring is closed: every ring cell a wall with its marker shown.
    EXPECT_TRUE(RingClosed(f.s));
    EXPECT_EQ(f.s.board.value({0, 1}), kWall);

    f.clickCell({0, 1});
    f.clickCell({0, 2});
    f.flow.folytat_Click();
    ASSERT_EQ(f.s.phase, GamePhase::Playing);
    f.flow.CheckSolved();   // still column-wise: not the second target
    EXPECT_EQ(f.s.phase, GamePhase::Playing);
    setField(f, fieldFrom(4, [](int i, int j) { return 17 - ((i - 1) * 4 + j); }));
    f.flow.CheckSolved();   // descending rows: the first stage was ascending
    EXPECT_EQ(f.s.phase, GamePhase::Playing);
    setField(f, fieldFrom(4, [](int i, int j) { return (i - 1) * 4 + j; }));
    f.flow.CheckSolved();
    EXPECT_EQ(f.s.phase, GamePhase::Finished);
}

TEST(Rearrangement, StoringThePausedGameEndsIt) {
    BoardFixture f(Type::Numbers, 4);
    pauseAtColumnWiseTarget(f);
    f.flow.CheckSolved();   // as the store button does, with `tarol` shown
    EXPECT_EQ(f.s.phase, GamePhase::Finished);
    EXPECT_FALSE(f.s.panel.tarol.visible);
    EXPECT_TRUE(f.s.panel.neve.visible);
}

// ---------------------------------------------------------------- clock

TEST(Clock, TextsOfTheClockLabel) {
    struct Case {
        int h, m, s;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, 0, "0:00"}, Case{0, 0, 10, "0:10"}, Case{0, 0, 59, "0:59"},
                          Case{0, 1, 0, "1:00"}, Case{0, 5, 7, "5:07"}, Case{0, 59, 59, "59:59"},
                          Case{1, 0, 0, "1:0:00"}, Case{1, 5, 7, "1:5:07"}, Case{12, 30, 45, "12:30:45"}})
        EXPECT_EQ(GameFlow::ClockText(c.h, c.m, c.s), QString::fromLatin1(c.text));
}

TEST(Clock, RunsFromTheStartAndPassesTheHour) {
    BoardFixture f(Type::Numbers, 4);
    start(f);
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("0:00"));
    f.fp.clock.advance(59'400);
    f.flow.Timer1_Timer();
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("0:59"));
    f.fp.clock.advance(3'540'600);   // one hour in all
    f.flow.Timer1_Timer();
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("1:0:00"));
    EXPECT_EQ(f.s.elapsedHours, 1);
}

TEST(Clock, AGameAcrossMidnightKeepsItsTime) {
    BoardFixture f(Type::Numbers, 4);
    f.fp.clock.time = QDateTime(QDate(2026, 3, 7), QTime(23, 59, 30));
    start(f);
    f.fp.clock.advance(75'000);   // 00:00:45 of the next day
    f.flow.Timer1_Timer();
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("1:15"));
}

TEST(Clock, APauseBetweenTheStagesCostsNoTime) {
    BoardFixture f(Type::Numbers, 4);
    f.s.panel.atrend.checked = true;
    setField(f, std::vector<int>(16, 98));
    start(f);
    f.fp.clock.advance(40'000);
    f.flow.Timer1_Timer();
    f.fp.clock.advance(600);   // the target is reached between two clock updates
    setField(f, fieldFrom(4, [](int i, int j) { return (i - 1) * 4 + j; }));
    f.flow.CheckSolved();
    ASSERT_EQ(f.s.phase, GamePhase::Paused);
    f.flow.Timer1_Timer();   // the clock stands while paused
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("0:40"));

    f.fp.clock.advance(30'000);
    f.clickCell({0, 1});
    f.clickCell({0, 2});
    f.flow.folytat_Click();
    ASSERT_EQ(f.s.phase, GamePhase::Playing);
    f.fp.clock.advance(400);
    f.flow.Timer1_Timer();
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("0:41"));
}

// The clock stops at the pause showing the very time an intermediate result keeps,
// even when the target is reached between two clock updates.
TEST(Clock, ThePauseShowsTheTimeTheStoredResultKeeps) {
    BoardFixture f(Type::Numbers, 4);
    f.s.panel.atrend.checked = true;
    setField(f, std::vector<int>(16, 98));
    start(f);
    f.fp.clock.advance(2'000);
    f.flow.Timer1_Timer();
    ASSERT_EQ(f.s.panel.elt.caption, QStringLiteral("0:02"));
    f.fp.clock.advance(1'100);
    setField(f, fieldFrom(4, [](int i, int j) { return (i - 1) * 4 + j; }));
    f.flow.CheckSolved();
    ASSERT_EQ(f.s.phase, GamePhase::Paused);
    EXPECT_EQ(f.s.panel.elt.caption, QStringLiteral("0:03"));

    f.fp.clock.advance(20'000);
    f.flow.TakePauseOutOfClock();   // "Eredmény tárolása", as the window runs it
    f.flow.CheckSolved();
    ASSERT_EQ(f.s.phase, GamePhase::Finished);
    EXPECT_EQ(GameFlow::ClockText(f.s.elapsedHours, f.s.elapsedMinutes, f.s.elapsedSeconds),
              QStringLiteral("0:03"));
}

// ---------------------------------------------------------------- start

TEST(Start, LocksTheSetUpAndResetsTheCounters) {
    BoardFixture f(Type::Numbers, 4);
    f.s.stepCount = 12;
    f.s.moveHistory.record(Move::slide({1, 1}, {0, 1}));   // left over from an earlier game
    start(f);
    const PanelControls& c = f.s.panel;
    for (const ControlState* off : {&c.kezd, &c.kever, &c.szamsor, &c.atlos, &c.generalt, &c.tarolt,
                                    &c.Option1, &c.Option2, &c.Option3, &c.babilon, &c.demo_jatek})
        EXPECT_FALSE(off->enabled);
    EXPECT_EQ(f.s.stepCount, 0);
    EXPECT_TRUE(c.elt.visible);
    EXPECT_TRUE(c.Lszm.visible);
    EXPECT_TRUE(f.s.moveHistory.empty());
    EXPECT_FALSE(c.okev.visible);   // two open cells: no tile exchange
}

TEST(Start, StoredTypeWaitsForAStoredGame) {
    BoardFixture f(Type::Stored, 4);
    f.clickCell({0, 1});
    f.flow.kezd_Click();   // no stored game chosen: no start
    EXPECT_EQ(f.s.phase, GamePhase::SetUp);

    // A stored game whose map opens ring cell (0, 3); the player's own open cell closes.
    f.flow.chooseStoredGame = [&f] {
        TargetMap& map = f.s.targetMap;
        map.span = 6;
        map.shapes.assign(36, MapShape{0, 0, 10, 10, f.s.tileColours[7], true});
        map.shapeAt(0, 3)->fillColour = f.s.holeColour;
        // The tile beside the one open cell stands where the map wants it.
        map.shapeAt(1, 3)->fillColour = f.s.tileColours[static_cast<size_t>(f.s.board.value({1, 3}))];
        f.s.panel.mker.visible = true;
        return GameFlow::StoredChoice::Ready;
    };
    f.flow.kezd_Click();
    EXPECT_EQ(f.s.phase, GamePhase::Playing);
    EXPECT_EQ(f.s.board.value({0, 1}), kWall);
    EXPECT_EQ(f.s.board.value({0, 3}), kEmpty);
    EXPECT_EQ(f.s.targetMap.shapeAt(0, 3)->fillColour, f.s.tileColours[7]);
    EXPECT_EQ(f.s.gapCount, 1);
}
